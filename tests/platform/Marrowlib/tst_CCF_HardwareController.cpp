// The hardware controller's notifications: counted starts and stops, measurement after
// measurement; a last stop that waits for a notification under way; a restart from within one.
#include "KestraTest.h"

#include "Ferrolib/BSS_TSK_Command.h"
#include "Marrowlib/CCF_HardwareController.h"

#include <atomic>
#include <thread>

using CCF::HardwareControllerC;

class HardwareControllerTest : public QObject
{
    Q_OBJECT

private slots:
    void notifiesFromTheFirstStartToTheLastStop()
    {
        HardwareControllerC oController;
        std::atomic<int> iFired {0};
        BSS::TSK::CommandC oCommand;
        oCommand.bindCommand([&](int, int) { ++iFired; });
        QVERIFY(oCommand.subscribe(&oController.notificationSource()));
        for (int iMeasurement = 0; iMeasurement < 3; ++iMeasurement) {
            const int iBefore = iFired;
            oController.startNotifying();
            oController.startNotifying();
            QTRY_VERIFY(iFired >= iBefore + 2);
            oController.stopNotifying();
            QVERIFY(oController.isNotifying());
            oController.stopNotifying();
            QVERIFY(!oController.isNotifying());
            const int iAtStop = iFired;
            QTest::qWait(3 * HardwareControllerC::NOTIFY_INTERVAL_MS);
            QCOMPARE(int(iFired), iAtStop);
        }
        oController.stopNotifying();
        QVERIFY(!oController.isNotifying());
        oCommand.unsubscribe();
    }

    void lastStopWaitsForTheNotificationUnderWay()
    {
        HardwareControllerC oController;
        std::atomic<bool> bRunning {false};
        std::atomic<bool> bDone {false};
        BSS::TSK::CommandC oCommand;
        oCommand.bindCommand([&](int, int) {
            bRunning = true;
            std::this_thread::sleep_for(std::chrono::milliseconds(150));
            bDone = true;
        });
        QVERIFY(oCommand.subscribe(&oController.notificationSource()));
        oController.startNotifying();
        QTRY_VERIFY(bRunning);
        oController.stopNotifying();
        QVERIFY(bDone);
        oCommand.unsubscribe();
    }

    void restartedFromANotificationItGoesOn()
    {
        HardwareControllerC oController;
        std::atomic<int> iFired {0};
        BSS::TSK::CommandC oCommand;
        oCommand.bindCommand([&](int, int) {
            if (++iFired == 1) {
                oController.stopNotifying();
                oController.startNotifying();
            }
        });
        QVERIFY(oCommand.subscribe(&oController.notificationSource()));
        oController.startNotifying();
        QTRY_VERIFY(iFired >= 3);
        QVERIFY(oController.isNotifying());
        oController.stopNotifying();
        oCommand.unsubscribe();
    }
};

KESTRA_TEST_MAIN(HardwareControllerTest)
#include "tst_CCF_HardwareController.moc"
