// Changes of the simulated instrument reach the subscribers from the file system, once per
// change, and nothing wakes the watcher while nothing changes.
#include "KestraProcess.h"
#include "KestraTest.h"

#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

#include <mutex>

namespace {

// What the watcher's thread told a subscriber.
class RecorderC
{
public:
    RecorderC()
        : m_iId(VSIM::SettingsWatcherC::subscribe([this](const QStringList& lstKeys) { record(lstKeys); }))
    {
    }
    ~RecorderC() { VSIM::SettingsWatcherC::unsubscribe(m_iId); }

    QList<QStringList> calls() const
    {
        std::unique_lock<std::mutex> oLock(m_oMutex);
        return m_lstCalls;
    }
    bool waitForCalls(int iCount) const
    {
        return KestraTest::waitFor([this, iCount] { return calls().size() >= iCount; });
    }

private:
    void record(const QStringList& lstKeys)
    {
        std::unique_lock<std::mutex> oLock(m_oMutex);
        m_lstCalls.append(lstKeys);
    }

    mutable std::mutex m_oMutex;
    QList<QStringList> m_lstCalls;
    int m_iId;
};

} // namespace

class SettingsWatcherTest : public QObject
{
    Q_OBJECT

private slots:
    // Started before anyone listens (as the toolkit's start-up does), once however often it is
    // asked, and the first subscriber hears the first change after it subscribed.
    void startedAheadOfItsSubscribers()
    {
        VSIM::SettingsWatcherC::start();
        VSIM::SettingsWatcherC::start();
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.0002));
        QTest::qWait(100);
        const RecorderC oRecorder;
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.0003));
        QVERIFY(oRecorder.waitForCalls(1));
        QCOMPARE(oRecorder.calls(), QList<QStringList>({{"Sensor/TiltL"}}));
    }

    void changesFromAnotherProcessArriveOncePerChange()
    {
        const RecorderC oRecorder;
        const struct
        {
            QStringList lstArguments;
            QList<QStringList> lstCallsAfter;
        } aoSteps[] = {
            {{"set", "Sensor/TiltL", "0.001"}, {{"Sensor/TiltL"}}},
            // The same value again changes nothing.
            {{"set", "Sensor/TiltL", "0.001"}, {{"Sensor/TiltL"}}},
            {{"set", "Sensor/TiltL", "-0.002"}, {{"Sensor/TiltL"}, {"Sensor/TiltL"}}},
            // A refused value is not written.
            {{"set", "Sensor/TiltL", "5"}, {{"Sensor/TiltL"}, {"Sensor/TiltL"}}},
            {{"attach-device", "63"}, {{"Sensor/TiltL"}, {"Sensor/TiltL"}, {"Events/DeviceAttached"}}},
        };
        for (const auto& rStep : aoSteps) {
            // A set that changes nothing still rewrites the file: wait until the watcher looked.
            const int iWakeUps = VSIM::TEST::settingsWatcherWakeUps();
            KestraTest::runSimCtl(rStep.lstArguments);
            QVERIFY(oRecorder.waitForCalls(rStep.lstCallsAfter.size()));
            KestraTest::waitFor([iWakeUps] { return VSIM::TEST::settingsWatcherWakeUps() > iWakeUps; }, 200);
            QCOMPARE(oRecorder.calls(), rStep.lstCallsAfter);
        }
        QCOMPARE(VSIM::SettingsC::doubleValue("Sensor/TiltL"), -0.002);
    }

    // Several values written together are one change.
    void oneWriteIsOneCall()
    {
        const RecorderC oRecorder;
        QVERIFY(VSIM::SettingsC::setValues({{"Telescope/Hz", 1.0}, {"Telescope/V", 1.4}, {"Sensor/TiltT", 0.0005}}));
        QVERIFY(oRecorder.waitForCalls(1));
        QCOMPARE(oRecorder.calls(), QList<QStringList>({{"Sensor/TiltT", "Telescope/Hz", "Telescope/V"}}));
    }

    // The old watcher woke every second; this one sleeps until the folder changes.
    void nothingWakesTheWatcherWhileNothingChanges()
    {
        const RecorderC oRecorder;
        // The lock file of the last write goes a moment after the write.
        QTest::qWait(100);
        const int iWakeUps = VSIM::TEST::settingsWatcherWakeUps();
        const int iNotifications = VSIM::TEST::settingsWatcherNotifications();
        QTest::qWait(1500);
        QCOMPARE(VSIM::TEST::settingsWatcherWakeUps(), iWakeUps);
        QCOMPARE(VSIM::TEST::settingsWatcherNotifications(), iNotifications);
        QVERIFY(oRecorder.calls().isEmpty());
    }

    void unsubscribedHearsNothing()
    {
        QList<QStringList> lstHeard;
        const int iId = VSIM::SettingsWatcherC::subscribe([&lstHeard](const QStringList& lstKeys) { lstHeard << lstKeys; });
        VSIM::SettingsWatcherC::unsubscribe(iId);
        const RecorderC oRecorder;
        QVERIFY(VSIM::SettingsC::setValue("Sensor/InternalTemperature", 25));
        QVERIFY(oRecorder.waitForCalls(1));
        QVERIFY(lstHeard.isEmpty());
    }
};

KESTRA_TEST_MAIN(SettingsWatcherTest)
#include "tst_VSIM_SettingsWatcher.moc"
