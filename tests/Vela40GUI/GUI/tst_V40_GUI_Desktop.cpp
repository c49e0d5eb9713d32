// The desktop: the platform runs and quits it on its own threads; its signals reach the GUI thread.
#include "KestraTest.h"

#include "V40_GUI_Desktop.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Marrowlib/CMN_GuiEventLoop.h"

#include <QThread>

#include <thread>

using V40::GUI::DesktopC;

namespace {

class ReceiverC : public QObject
{
    Q_OBJECT
public:
    QStringList m_lstCalls;
    QList<QThread*> m_lstThreads;
public slots:
    void onStarted() { record("started"); }
    void onStopped() { record("stopped"); }

private:
    void record(const QString& strCall)
    {
        m_lstCalls << strCall;
        m_lstThreads << QThread::currentThread();
    }
};

void wire(DesktopC& rDesktop, ReceiverC& rReceiver)
{
    QObject::connect(&rDesktop, SIGNAL(started()), &rReceiver, SLOT(onStarted()), Qt::QueuedConnection);
    QObject::connect(&rDesktop, SIGNAL(stopped()), &rReceiver, SLOT(onStopped()), Qt::QueuedConnection);
}

} // namespace

class DesktopTest : public QObject
{
    Q_OBJECT

private slots:
    void platformRunsAndQuitsItOnItsThreads()
    {
        DesktopC oDesktop;
        ReceiverC oReceiver;
        wire(oDesktop, oReceiver);
        QVERIFY(CMN::GuiRegistryC::registerGuiEventLoop(&oDesktop));
        CFA::StartupConfigurationC& rConfig = CFA::StartupConfigurationC::instance();
        for (int iCycle = 1; iCycle <= 2; ++iCycle) {
            rConfig.showGui();
            QVERIFY(KestraTest::waitFor([&] { return oReceiver.m_lstCalls.size() == 2 * iCycle - 1; }));
            // Run and quit both happen away from the GUI thread.
            std::thread([&rConfig] { rConfig.hideGui(); }).join();
            QVERIFY(KestraTest::waitFor([&] { return oReceiver.m_lstCalls.size() == 2 * iCycle; }));
        }
        QCOMPARE(oReceiver.m_lstCalls, QStringList({"started", "stopped", "started", "stopped"}));
        for (QThread* pThread : oReceiver.m_lstThreads)
            QCOMPARE(pThread, QThread::currentThread());
        QVERIFY(CMN::GuiRegistryC::unregisterGuiEventLoop(&oDesktop));
    }

    void destructionLeavesTheRegistryAndEndsARun()
    {
        ReceiverC oReceiver;
        DesktopC* pDesktop = new DesktopC();
        wire(*pDesktop, oReceiver);
        QVERIFY(CMN::GuiRegistryC::registerGuiEventLoop(pDesktop));
        CFA::StartupConfigurationC::instance().showGui();
        QVERIFY(KestraTest::waitFor([&] { return oReceiver.m_lstCalls.size() == 1; }));
        delete pDesktop;
        QVERIFY(!CMN::GuiRegistryC::guiEventLoop());
        QVERIFY(KestraTest::waitFor([&] { return oReceiver.m_lstCalls.size() == 2; }));
    }
};

KESTRA_TEST_MAIN(DesktopTest)
#include "tst_V40_GUI_Desktop.moc"
