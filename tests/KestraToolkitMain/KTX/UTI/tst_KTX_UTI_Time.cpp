#include "KestraTest.h"

#include "KTX/UTI/KTX_UTI_Time.h"
#include "Pelletlib/CFA_DateTime.h"

using KTX::UTI::TimeC;

class TestTime : public QObject
{
    Q_OBJECT

private slots:
    void fromString_data();
    void fromString();
    void ordering();
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

void TestTime::ordering()
{
    const QList<TimeC> lstAscending{TimeC(0, 0, 0), TimeC(0, 0, 59), TimeC(0, 1, 0),
                                    TimeC(9, 59, 59), TimeC(10, 0, 0), TimeC(23, 59, 59)};
    for (int i = 0; i < lstAscending.size(); ++i) {
        for (int j = 0; j < lstAscending.size(); ++j) {
            QCOMPARE(lstAscending[i] < lstAscending[j], i < j);
            QCOMPARE(lstAscending[i] == lstAscending[j], i == j);
            QCOMPARE(lstAscending[i] >= lstAscending[j], i >= j);
        }
    }
}

void TestTime::everySecondThroughDateTime()
{
    for (int iSecond = 0; iSecond < 86400; ++iSecond) {
        const TimeC oTime(iSecond / 3600, iSecond / 60 % 60, iSecond % 60);
        const double dDateTime = oTime.toDateTime();
        if (!(TimeC::fromDateTime(dDateTime) == oTime))
            QFAIL(qPrintable(oTime.toString()));
        CFA::DateTimeS sFields;
        QVERIFY(CFA::splitDateTime(dDateTime, sFields));
        QCOMPARE(sFields.iYear * 10000 + sFields.iMonth * 100 + sFields.iDay, 20000101);
    }
    // The date part of the number plays no role.
    CFA::DateTimeS sFields;
    sFields.iYear = 1987;
    sFields.iMonth = 6;
    sFields.iDay = 30;
    sFields.iHour = 23;
    sFields.iMinute = 59;
    sFields.iSecond = 59;
    QCOMPARE(TimeC::fromDateTime(CFA::joinDateTime(sFields)).toString(), QStringLiteral("23:59:59"));
}

KESTRA_TEST_MAIN(TestTime)
#include "tst_KTX_UTI_Time.moc"
