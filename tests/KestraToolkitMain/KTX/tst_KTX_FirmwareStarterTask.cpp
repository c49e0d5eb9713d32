// The starter task's events, the hidden window's messages and the two main loops.
#include "KestraGuiPlatform.h"
#include "KestraTest.h"

#include "KTX/KTX_FirmwareStarterTask.h"
#include "KTX/KTX_MainEventLoop.h"
#include "KTX/KTX_NativeEventFilter.h"
#include "KTX/KTX_WindowsEventLoop.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Ferrolib/BSS_SYS_Event.h"
#include "Marrowlib/CMN_GuiEventLoop.h"

#include <QElapsedTimer>

#include <atomic>
#include <memory>
#include <thread>

namespace {

using KestraTest::applicationMode;
using KestraTest::FakeMainLoopC;

// Stands for the desktop: run lasts until quit.
class FakeGuiLoopC : public CMN::GuiEventLoopI
{
public:
    void run() override
    {
        ++m_iRuns;
        m_oQuit.wait();
    }
    void quit() override
    {
        ++m_iQuits;
        m_oQuit.set();
    }
    std::atomic<int> m_iRuns{0};
    std::atomic<int> m_iQuits{0};
    BSS::SYS::EventC m_oQuit;
};


bool traced(const QString& strText, int iTimes = 1)
{
    return KestraTest::waitFor([&] { return KestraTest::traces("FirmwareStarterTask").count(strText) >= iTimes; });
}

} // namespace

class FirmwareStarterTaskTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        KestraTest::clearReports();
        m_upGuiLoop.reset(new FakeGuiLoopC);
        QVERIFY(CMN::GuiRegistryC::registerGuiEventLoop(m_upGuiLoop.get()));
    }

    void cleanup()
    {
        CMN::GuiRegistryC::unregisterGuiEventLoop(m_upGuiLoop.get());
        m_upGuiLoop.reset();
    }

    void startRequests_data()
    {
        QTest::addColumn<int>("iInitialMode");
        QTest::addColumn<bool>("bLevelKey");
        QTest::addColumn<int>("iExpectedRuns");
        QTest::addColumn<bool>("bExpectedLevelStart");
        QTest::addColumn<QString>("strTrace");
        QTest::newRow("start GUI without GUI") << 2 << false << 1 << false << "Got start GUI event.";
        QTest::newRow("start GUI while shown") << 3 << false << 0 << false << "Got start GUI event.";
        QTest::newRow("level key without GUI") << 2 << true << 1 << true << "Got start level bubble event.";
        QTest::newRow("level key while shown") << 3 << true << 0 << false << "Got start level bubble event.";
    }

    void startRequests()
    {
        QFETCH(int, iInitialMode);
        QFETCH(bool, bLevelKey);
        QFETCH(int, iExpectedRuns);
        QFETCH(bool, bExpectedLevelStart);
        QFETCH(QString, strTrace);
        CFA::StartupConfigurationC::instance().setApplicationMode(iInitialMode);
        FakeMainLoopC oLoop;
        KTX::FirmwareStarterTaskC oTask(&oLoop);
        QCOMPARE(KTX::FirmwareStarterTaskC::instance(), &oTask);
        // The same named events a second launcher and the level key set.
        BSS::SYS::EventC oEvent(bLevelKey ? "Tessel_KeyEvent_Level" : "KestraToolkit_StartGui");
        oEvent.set();
        QVERIFY(traced(strTrace));
        QVERIFY(traced("Waiting for event...", 2));
        QVERIFY(KestraTest::waitFor([&] { return m_upGuiLoop->m_iRuns == iExpectedRuns; }));
        QCOMPARE(applicationMode(), iExpectedRuns ? 3 : iInitialMode);
        QCOMPARE(oTask.isLevelStart(), bExpectedLevelStart);

        oTask.stopGui();
        QVERIFY(traced("Got stop GUI event."));
        QVERIFY(KestraTest::waitFor([&] { return applicationMode() == 2; }));
        QVERIFY(!oTask.isLevelStart());
        QVERIFY(KestraTest::waitFor([&] { return m_upGuiLoop->m_iQuits == iExpectedRuns; }));
        QCOMPARE(oLoop.m_iQuits.load(), 0);
    }

    void stopApplicationQuitsTheLoopAndTaskStopEndsTheThread()
    {
        FakeMainLoopC oLoop;
        auto upTask = std::make_unique<KTX::FirmwareStarterTaskC>(&oLoop);
        upTask->prepareStopApplication();
        QVERIFY(traced("Got prepare stop application event."));
        upTask->stopApplication();
        QVERIFY(traced("Got stop application event."));
        QVERIFY(traced("Exiting main event loop."));
        QVERIFY(KestraTest::waitFor([&] { return oLoop.m_iQuits == 1; }));
        // The task quits the loop and then waits again; only then does the stop below follow
        // its traces in order.
        QVERIFY(KestraTest::waitFor([] {
            const QStringList lstTraces = KestraTest::traces("FirmwareStarterTask");
            return lstTraces.lastIndexOf("Waiting for event...") > lstTraces.indexOf("Exiting main event loop.");
        }));

        upTask->stopExecution();
        const QStringList lstTraces = KestraTest::traces("FirmwareStarterTask");
        const int iStopping = lstTraces.indexOf("Stopping execution...");
        QVERIFY(iStopping >= 0);
        QCOMPARE(lstTraces.mid(iStopping, 4),
                 QStringList({"Stopping execution...", "KTX::FirmwareStarterTaskC::stop", "Got task stop event.",
                              "Execution stopped."}));
        QVERIFY(!upTask->isRunning());
        KestraTest::clearReports();
        upTask.reset(); // a task that ended only says so
        QCOMPARE(KestraTest::traces("FirmwareStarterTask"),
                 QStringList({"KTX::FirmwareStarterTaskC::stopExecution: Not running."}));
        QVERIFY(!KTX::FirmwareStarterTaskC::instance());
        QCOMPARE(KestraTest::assertTexts(), QStringList({"0 != s_pInstance"}));
    }

    void stopApplicationWithoutLoopReportsAndEnds()
    {
        KTX::FirmwareStarterTaskC oTask(nullptr);
        oTask.stopApplication();
        QVERIFY(KestraTest::waitFor([&] { return !oTask.isRunning(); }));
        QCOMPARE(KestraTest::assertTexts(), QStringList({"m_pEventLoop"}));
    }

    void closeMessagesOfTheHiddenWindow_data()
    {
        QTest::addColumn<UINT>("uMessage");
        QTest::addColumn<LPARAM>("lParam");
        QTest::addColumn<bool>("bStopsApplication");
        QTest::addColumn<int>("iModeAfter");
        QTest::newRow("close GUI request") << UINT(WM_APP + 8) << LPARAM(0) << false << 2;
        QTest::newRow("platform close") << UINT(WM_CLOSE) << LPARAM(0) << true << 3;
    }

    void closeMessagesOfTheHiddenWindow()
    {
        QFETCH(UINT, uMessage);
        QFETCH(LPARAM, lParam);
        QFETCH(bool, bStopsApplication);
        QFETCH(int, iModeAfter);
        CFA::StartupConfigurationC::instance().setApplicationMode(2);
        FakeMainLoopC oLoop;
        KTX::FirmwareStarterTaskC oTask(&oLoop);
        KTX::NativeEventFilterC oFilter(nullptr, &oTask);
        QVERIFY(FindWindowExW(nullptr, nullptr, L"KTX_NativeEventFilterC", nullptr));
        // Show the GUI first, so that stopping it can be seen.
        PostMessageW(oFilter.windowHandle(), WM_APP + 13, 0, 0);
        QVERIFY(KestraTest::waitFor([&] { return m_upGuiLoop->m_iRuns == 1; }));

        // The platform answers the prepare stop with WM_APP + 100 to the same window.
        PostMessageW(oFilter.windowHandle(), uMessage, 0, lParam);
        QVERIFY(traced("Got prepare stop application event."));
        QVERIFY(traced(bStopsApplication ? "Got stop application event." : "Got stop GUI event."));
        QVERIFY(KestraTest::waitFor([&] { return m_upGuiLoop->m_iQuits == 1; }));
        // The loop is told to quit after the GUI is gone; the mode follows once the GUI loop has
        // returned, a moment after its quit.
        QVERIFY(KestraTest::waitFor([&] { return oLoop.m_iQuits == (bStopsApplication ? 1 : 0); }));
        QVERIFY(KestraTest::waitFor([&] { return applicationMode() == iModeAfter; }));
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void windowsLoopDispatchesAndQuitsPromptly()
    {
        FakeMainLoopC oLoop;
        KTX::FirmwareStarterTaskC oTask(&oLoop);
        KTX::NativeEventFilterC oFilter(nullptr, &oTask);
        KTX::WindowsEventLoopC oWindowsLoop;
        CFA::StartupConfigurationC::instance().setApplicationMode(2);
        PostMessageW(oFilter.windowHandle(), WM_APP + 13, 0, 0);
        std::thread oQuitter([&] {
            KestraTest::waitFor([&] { return m_upGuiLoop->m_iRuns == 1; });
            oWindowsLoop.quit();
        });
        QElapsedTimer oTimer;
        oTimer.start();
        QCOMPARE(oWindowsLoop.run(), 0);
        oQuitter.join();
        QCOMPARE(m_upGuiLoop->m_iRuns.load(), 1);
        QVERIFY2(oTimer.elapsed() < 5000, "the loop must end soon after quit");
    }

private:
    std::unique_ptr<FakeGuiLoopC> m_upGuiLoop;
};

KESTRA_TEST_MAIN(FirmwareStarterTaskTest)
#include "tst_KTX_FirmwareStarterTask.moc"
