#include "KestraTest.h"

#include "Ferrolib/BSS_Assert.h"

#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_Time.h"

using KTX::UTI::DateC;

class TestDate : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void fromString_data();
    void fromString();
    void toString_data();
    void toString();
    void invalidMonthReported();
    void dateTimeAtMidnight();
};

void TestDate::init()
{
    KestraTest::clearReports();
}

void TestDate::fromString_data()
{
    QTest::addColumn<QString>("strText");
    QTest::addColumn<int>("iFormat");
    QTest::addColumn<bool>("bOk");
    QTest::addColumn<QString>("strValue");
    QTest::addColumn<QStringList>("lstReports");

    // A failed parse leaves the previous value 1999-12-31.
    const QStringList lstNone;
    QTest::newRow("leap day 2000") << "29.02.2000" << 1 << true << "2000-02-29" << lstNone;
    QTest::newRow("no leap day 1900") << "29.02.1900" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("no leap day 2100") << "29.02.2100" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("leap day 2024") << "29.02.2024" << 1 << true << "2024-02-29" << lstNone;
    QTest::newRow("no leap day 2023") << "29.02.2023" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("31 April") << "31.04.2024" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("year 999") << "1.1.999" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("year 1000") << "1.1.1000" << 1 << true << "1000-01-01" << lstNone;
    QTest::newRow("last day of 9999") << "31.12.9999" << 1 << true << "9999-12-31" << lstNone;
    QTest::newRow("five-digit year") << "01.01.10000" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("day 0") << "00.01.2000" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("month 13") << "01.13.2000" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("empty fields") << ".." << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("month first") << "12.31.2024" << 2 << true << "2024-12-31" << lstNone;
    QTest::newRow("day first under month first") << "31.12.2024" << 2 << false << "1999-12-31" << lstNone;
    QTest::newRow("year first") << "2024.12.31" << 3 << true << "2024-12-31" << lstNone;
    QTest::newRow("year first under day first") << "2024.12.31" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("trailing line break") << "01.01.2000\n" << 1 << false << "1999-12-31" << lstNone;
    QTest::newRow("unknown format") << "01.01.2000" << 4 << false << "1999-12-31"
                                    << QStringList{"Unknown date format."};
    QTest::newRow("format 0") << "01.01.2000" << 0 << false << "1999-12-31"
                              << QStringList{"Unknown date format."};
}

void TestDate::fromString()
{
    QFETCH(QString, strText);
    QFETCH(int, iFormat);
    DateC oDate(1999, 12, 31);
    QTEST(oDate.fromString(strText, iFormat), "bOk");
    QTEST(QString::asprintf("%04d-%02d-%02d", oDate.getYear(), oDate.getMonth(), oDate.getDay()),
          "strValue");
    QTEST(KestraTest::assertTexts(), "lstReports");
}

void TestDate::toString_data()
{
    QTest::addColumn<int>("iYear");
    QTest::addColumn<int>("iMonth");
    QTest::addColumn<int>("iDay");
    QTest::addColumn<int>("iFormat");
    QTest::addColumn<QString>("strText");

    QTest::newRow("default, day first") << 2000 << 1 << 1 << 1 << "01.01.2000";
    QTest::newRow("default, month first") << 2000 << 1 << 1 << 2 << "01.01.2000";
    QTest::newRow("default, year first") << 2000 << 1 << 1 << 3 << "2000.01.01";
    QTest::newRow("day first") << 2024 << 12 << 31 << 1 << "31.12.2024";
    QTest::newRow("month first") << 2024 << 12 << 31 << 2 << "12.31.2024";
    QTest::newRow("year first") << 1005 << 2 << 3 << 3 << "1005.02.03";
    QTest::newRow("unknown format") << 2024 << 12 << 31 << 7 << "";
}

void TestDate::toString()
{
    QFETCH(int, iYear);
    QFETCH(int, iMonth);
    QFETCH(int, iDay);
    QFETCH(int, iFormat);
    QFETCH(QString, strText);
    const DateC oDate(iYear, iMonth, iDay);
    QCOMPARE(oDate.toString(iFormat), strText);
    QVERIFY(KestraTest::assertTexts().isEmpty());
    if (!strText.isEmpty()) {
        DateC oParsed;
        QVERIFY(oParsed.fromString(strText, iFormat));
        QVERIFY(oParsed == oDate);
    }
}

void TestDate::invalidMonthReported()
{
    QCOMPARE(DateC::daysOfMonth(2023, 13), -1);
    QCOMPARE(KestraTest::assertTexts(), QStringList{"Invalid month."});
    QCOMPARE(BSS::TEST::assertReports().value(0).strSource, QStringLiteral("KTX_UTI_Date"));
}

void TestDate::dateTimeAtMidnight()
{
    for (const DateC& oDate : {DateC(1000, 1, 1), DateC(1999, 12, 31), DateC(2024, 2, 29),
                               DateC(9999, 12, 31)}) {
        const double dDateTime = oDate.toDateTime();
        QVERIFY(DateC::fromDateTime(dDateTime) == oDate);
        QVERIFY(KTX::UTI::TimeC::fromDateTime(dDateTime) == KTX::UTI::TimeC());
    }
    QVERIFY(DateC::fromDateTime(DateC(2024, 2, 28).toDateTime() + 0.99999) == DateC(2024, 2, 28));
}

KESTRA_TEST_MAIN(TestDate)
#include "tst_KTX_UTI_Date.moc"
