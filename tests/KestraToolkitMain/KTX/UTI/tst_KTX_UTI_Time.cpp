#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_Time.h"
#include "Pelletlib/CNV_DateTime.h"

using KTX::UTI::TimeC;

class TestTime : public QObject
{
    Q_OBJECT

private slots:
    void fromString_data();
    void fromString();
    void everySecondThroughDateTime();
};

void TestTime::fromString_data()
{
    QTest::addColumn<QString>("strText");
    QTest::addColumn<bool>("bOk");
    QTest::addColumn<QString>("strValue");

    // A failed parse leaves the previous value 10:20:30.
    QTest::newRow("last second") << "23:59:59" << true << "23:59:59";
    QTest::newRow("empty fields") << "::" << true << "00:00:00";
    QTest::newRow("hour only") << "12::" << true << "12:00:00";
    QTest::newRow("single digits") << "1:2:3" << true << "01:02:03";
    QTest::newRow("hour 24") << "24:00:00" << false << "10:20:30";
    QTest::newRow("minute 60") << "12:60:00" << false << "10:20:30";
    QTest::newRow("second 60") << "12:00:60" << false << "10:20:30";
    QTest::newRow("three digits") << "123:00:00" << false << "10:20:30";
    QTest::newRow("two fields") << "12:00" << false << "10:20:30";
    QTest::newRow("trailing line break") << "12:00:00\n" << false << "10:20:30";
    QTest::newRow("mask blanks") << "12:  :00" << false << "10:20:30";
    QTest::newRow("empty") << "" << false << "10:20:30";
}

void TestTime::fromString()
{
    QFETCH(QString, strText);
    TimeC oTime(10, 20, 30);
    QTEST(oTime.fromString(strText), "bOk");
    QTEST(oTime.toString(), "strValue");
}

void TestTime::everySecondThroughDateTime()
{
    for (int iSecond = 0; iSecond < 86400; ++iSecond) {
        const TimeC oTime(iSecond / 3600, iSecond / 60 % 60, iSecond % 60);
        const double dDateTime = oTime.toDateTime();
        if (!(TimeC::fromDateTime(dDateTime) == oTime))
            QFAIL(qPrintable(oTime.toString()));
    }
    // A time is kept on 2000-01-01; the date of a number plays no role for the time.
    CNV::DateTimeS sFields;
    QVERIFY(CNV::splitDateTime(TimeC(23, 59, 59).toDateTime(), sFields));
    QCOMPARE(sFields.iYear * 10000 + sFields.iMonth * 100 + sFields.iDay, 20000101);
    sFields.iYear = 1987;
    QCOMPARE(TimeC::fromDateTime(CNV::joinDateTime(sFields)).toString(), QStringLiteral("23:59:59"));
}

KESTRA_TEST_MAIN(TestTime)
#include "tst_KTX_UTI_Time.moc"
