// The instrument's clock runs at the simulator's clock offset from the host's: setting it
// changes only the offset, and records outside the calendar or the clock's years are refused.
#include "KestraTest.h"

#include "Ferrolib/BSS_HAL_DateTime.h"
#include "Pelletlib/CNV_DateTime.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QDateTime>

class TestDateTime : public QObject
{
    Q_OBJECT

private slots:
    void setThroughTheOffset()
    {
        const double dHostBefore = QDateTime::currentMSecsSinceEpoch() / 1000.0;
        BSS::HAL::DateTimeRecordC oRecord;
        oRecord.setDate(2040, 2, 29);
        oRecord.setTime(12, 0, 0);
        QVERIFY(oRecord.validate());
        QCOMPARE(oRecord.setSystemClock(), 0);
        // The host's clock runs on as before; the offset says how far the instrument's is from it.
        QVERIFY(QDateTime::currentMSecsSinceEpoch() / 1000.0 - dHostBefore < 2.0);
        QVERIFY(VSIM::SettingsC::doubleValue("Clock/Offset") > 365.0 * 86400.0);
        CNV::DateTimeS sNow;
        QVERIFY(CNV::splitDateTime(BSS::HAL::currentDateTime(), sNow));
        QCOMPARE(QString::asprintf("%04d-%02d-%02d %02d:%02d", sNow.iYear, sNow.iMonth, sNow.iDay, sNow.iHour, sNow.iMinute),
                 QStringLiteral("2040-02-29 12:00"));
    }

    void refusedRecords_data()
    {
        QTest::addColumn<QList<int>>("lstFields");
        QTest::newRow("no 29 February in 2041") << QList<int>{2041, 2, 29, 0, 0, 0};
        QTest::newRow("before the clock's first year") << QList<int>{1999, 12, 31, 23, 59, 59};
        QTest::newRow("after its last year") << QList<int>{2100, 1, 1, 0, 0, 0};
        QTest::newRow("hour 24") << QList<int>{2040, 1, 1, 24, 0, 0};
        QTest::newRow("second 60") << QList<int>{2040, 1, 1, 0, 0, 60};
    }

    void refusedRecords()
    {
        QFETCH(QList<int>, lstFields);
        QVERIFY(VSIM::SettingsC::setValue("Clock/Offset", 123.0));
        BSS::HAL::DateTimeRecordC oRecord;
        oRecord.setDate(lstFields[0], lstFields[1], lstFields[2]);
        oRecord.setTime(lstFields[3], lstFields[4], lstFields[5]);
        QVERIFY(!oRecord.validate());
        QCOMPARE(oRecord.setSystemClock(), int(BSS::HAL::DateTimeRecordC::RC_INVALID));
        QCOMPARE(VSIM::SettingsC::doubleValue("Clock/Offset"), 123.0);
    }
};

KESTRA_TEST_MAIN(TestDateTime)
#include "tst_BSS_HAL_DateTime.moc"
