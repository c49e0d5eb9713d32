#include "KTX/KTX_FirmwareStarterTask.h"

#include "KTX/KTX_MainEventLoop.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_Trace.h"
#include "Quillbase/CMN_System.h"

namespace KTX {

namespace {

BSS::TraceChannelC s_oTrace("FirmwareStarterTask");

// Shared by name with the launcher, which sets it to ask a running instance for its GUI.
BSS::SYS::EventC& startGuiEvent()
{
    static BSS::SYS::EventC s_oStartGuiEvent("KestraToolkit_StartGui");
    return s_oStartGuiEvent;
}

enum WaitIndexE {
    WAIT_START_GUI = 0,
    WAIT_STOP_APPLICATION,
    WAIT_PREPARE_STOP,
    WAIT_STOP_GUI,
    WAIT_TASK_STOP,
    WAIT_LEVEL_KEY,
    WAIT_COUNT
};

} // namespace

FirmwareStarterTaskC* FirmwareStarterTaskC::s_pInstance = nullptr;

FirmwareStarterTaskC::FirmwareStarterTaskC(MainEventLoopI* pEventLoop)
    : BSS::TSK::TaskC(0x33, "tC_FirmwareStarter", 1)
    , m_oStopApplicationEvent(0)
    , m_oPrepareStopEvent(0)
    , m_oStopGuiEvent(0)
    , m_oTaskStopEvent(0)
    , m_pEventLoop(pEventLoop)
    , m_bLevelStart(false)
    , m_hLevelKeyEvent(CreateEventW(nullptr, FALSE, FALSE, L"Tessel_KeyEvent_Level"))
{
    startGuiEvent();
    start(0);
    if (s_pInstance)
        BSS_ASSERT_REPORT("0 == s_pInstance", "KTX_FirmwareStarterTask", 10);
    else
        s_pInstance = this;
}

FirmwareStarterTaskC::~FirmwareStarterTaskC()
{
    stopExecution();
    if (s_pInstance == this)
        s_pInstance = nullptr;
    m_pEventLoop = nullptr;
    if (m_hLevelKeyEvent)
        CloseHandle(m_hLevelKeyEvent);
}

FirmwareStarterTaskC* FirmwareStarterTaskC::instance()
{
    if (!s_pInstance)
        BSS_ASSERT_REPORT("0 != s_pInstance", "KTX_FirmwareStarterTask", 14);
    return s_pInstance;
}

void FirmwareStarterTaskC::startGui()
{
    startGuiEvent().set();
}

void FirmwareStarterTaskC::stopGui()
{
    m_oStopGuiEvent.set();
}

void FirmwareStarterTaskC::stopApplication()
{
    m_oStopApplicationEvent.set();
}

void FirmwareStarterTaskC::prepareStopApplication()
{
    m_oPrepareStopEvent.set();
}

bool FirmwareStarterTaskC::isLevelStart() const
{
    return m_bLevelStart;
}

void FirmwareStarterTaskC::stop(int iArg)
{
    s_oTrace.write("%s\r\n", "KTX::FirmwareStarterTaskC::stop");
    m_oTaskStopEvent.set();
    BSS::TSK::TaskC::stop(iArg);
}

void FirmwareStarterTaskC::stopExecution()
{
    if (!isRunning()) {
        s_oTrace.write("%s: Not running.\r\n", "KTX::FirmwareStarterTaskC::stopExecution");
        return;
    }
    s_oTrace.write("Stopping execution...\r\n");
    stop(0);
    if (waitForEnd(5000))
        join(0);
    s_oTrace.write("Execution stopped.\r\n");
}

void FirmwareStarterTaskC::execute()
{
    const HANDLE ahEvents[WAIT_COUNT] = {startGuiEvent().nativeHandle(),
                                         m_oStopApplicationEvent.nativeHandle(),
                                         m_oPrepareStopEvent.nativeHandle(),
                                         m_oStopGuiEvent.nativeHandle(),
                                         m_oTaskStopEvent.nativeHandle(),
                                         m_hLevelKeyEvent};
    CFA::StartupConfigurationC& rConfig = CFA::StartupConfigurationC::instance();
    for (;;) {
        s_oTrace.write("Waiting for event...\r\n");
        const DWORD dwResult = WaitForMultipleObjects(WAIT_COUNT, ahEvents, FALSE, 5000);
        if (dwResult == WAIT_TIMEOUT)
            continue;
        if (dwResult == WAIT_FAILED) {
            // A missing event would fail every wait at once; do not spin.
            s_oTrace.write("Waiting for events failed.\r\n");
            if (m_oTaskStopEvent.wait(5000))
                return;
            continue;
        }
        int iMode = 0;
        switch (dwResult - WAIT_OBJECT_0) {
        case WAIT_START_GUI:
            s_oTrace.write("Got start GUI event.\r\n");
            if (rConfig.getApplicationMode(iMode) && iMode == CFA::APPLICATION_MODE_NO_GUI) {
                rConfig.setApplicationMode(CFA::APPLICATION_MODE_GUI);
                rConfig.showGui();
            }
            break;
        case WAIT_STOP_APPLICATION:
            s_oTrace.write("Got stop application event.\r\n");
            CMN::notifyShutdown(0, 0);
            rConfig.stopApplication();
            s_oTrace.write("Exiting main event loop.\r\n");
            if (!m_pEventLoop) {
                BSS_ASSERT_REPORT("m_pEventLoop", "KTX_FirmwareStarterTask", 53);
                return;
            }
            m_pEventLoop->quit();
            break;
        case WAIT_PREPARE_STOP:
            s_oTrace.write("Got prepare stop application event.\r\n");
            rConfig.prepareStop();
            break;
        case WAIT_STOP_GUI:
            s_oTrace.write("Got stop GUI event.\r\n");
            m_bLevelStart = false;
            rConfig.hideGui();
            rConfig.setApplicationMode(CFA::APPLICATION_MODE_NO_GUI);
            break;
        case WAIT_TASK_STOP:
            s_oTrace.write("Got task stop event.\r\n");
            CMN::notifyTaskEnd();
            return;
        case WAIT_LEVEL_KEY:
            s_oTrace.write("Got start level bubble event.\r\n");
            if (rConfig.getApplicationMode(iMode) && iMode == CFA::APPLICATION_MODE_NO_GUI) {
                m_bLevelStart = true;
                rConfig.setApplicationMode(CFA::APPLICATION_MODE_GUI);
                rConfig.showGui();
            }
            break;
        default:
            break;
        }
    }
}

} // namespace KTX
