#include "Quillbase/CMN_System.h"

#include "Ferrolib/BSS_HAL_ShutdownHook.h"
#include "Ferrolib/BSS_Trace.h"
#include "Quillbase/CDT_FIL_PathMapDefaultDirectory.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QList>
#include <mutex>

#include <atomic>
#include <csignal>
#include <exception>
#include <memory>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace CDT {
namespace FIL {
PathMapDefaultDirectoryI::~PathMapDefaultDirectoryI() = default;
}
} // namespace CDT

namespace CMN {

namespace {

struct SystemS
{
    std::mutex oMutex;
    std::atomic<bool> bLoaderMode{false};
    std::unique_ptr<CDT::FIL::PathMapDefaultDirectoryI> upProvider;
    std::atomic<HWND> hReceiver{nullptr};
    // A termination signal that came before the receiver window existed.
    std::atomic<bool> bClosePending{false};
    QList<BSS::HAL::ShutdownHookI*> lstHooks;
    int iSimulatorNumber = 0;
    bool bSimulatorFlagA = false;
    bool bSimulatorFlagB = false;
};

SystemS& system()
{
    static SystemS s_oSystem;
    return s_oSystem;
}

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Platform");
    return s_oTrace;
}

// SIGTERM and SIGINT close the application as the platform would: WM_CLOSE to the receiver.
int s_aiSignalPipe[2] = {-1, -1};

void onTerminationSignal(int iSignal)
{
    const char cSignal = char(iSignal);
    (void)::write(s_aiSignalPipe[1], &cSignal, 1);
}

} // namespace

void installTerminationHandlers()
{
    static std::once_flag s_oOnce;
    std::call_once(s_oOnce, [] {
        if (::pipe2(s_aiSignalPipe, O_CLOEXEC) != 0)
            return;
        std::thread([] {
            char cSignal = 0;
            while (::read(s_aiSignalPipe[0], &cSignal, 1) == 1) {
                trace().write("Termination signal %d: closing the application.\n", int(cSignal));
                system().bClosePending = true;
                HWND hReceiver = system().hReceiver.load();
                if (hReceiver && PostMessageW(hReceiver, WM_CLOSE, 0, 0))
                    system().bClosePending = false;
            }
        }).detach();
        struct sigaction oAction {};
        oAction.sa_handler = onTerminationSignal;
        sigemptyset(&oAction.sa_mask);
        oAction.sa_flags = SA_RESTART;
        sigaction(SIGTERM, &oAction, nullptr);
        sigaction(SIGINT, &oAction, nullptr);
    });
}

void setLoaderMode(bool bLoaderMode)
{
    system().bLoaderMode = bLoaderMode;
}

bool isLoaderMode()
{
    return system().bLoaderMode;
}

void setDefaultDirectoryProvider(CDT::FIL::PathMapDefaultDirectoryI* pProvider)
{
    std::unique_lock<std::mutex> oLock(system().oMutex);
    system().upProvider.reset(pProvider);
}

bool createDefaultDirectories(int iDevice)
{
    std::unique_lock<std::mutex> oLock(system().oMutex);
    if (!system().upProvider)
        return false;
    try {
        system().upProvider->createDefaultDirectories(iDevice);
    } catch (const std::exception& rError) {
        trace().write("Default directories of device %d failed: %s\n", iDevice, rError.what());
        return false;
    }
    return true;
}

void setSimulatorNumber(int iNumber)
{
    std::unique_lock<std::mutex> oLock(system().oMutex);
    system().iSimulatorNumber = iNumber;
}

void setSimulatorFlagA(bool bFlag)
{
    std::unique_lock<std::mutex> oLock(system().oMutex);
    system().bSimulatorFlagA = bFlag;
}

void setSimulatorFlagB(bool bFlag)
{
    std::unique_lock<std::mutex> oLock(system().oMutex);
    system().bSimulatorFlagB = bFlag;
}

void setReceiverWindow(HWND hWnd)
{
    system().hReceiver = hWnd;
    if (hWnd && system().bClosePending.exchange(false))
        PostMessageW(hWnd, WM_CLOSE, 0, 0);
}

HWND receiverWindow()
{
    return system().hReceiver.load();
}

bool closeApplication(int iCloseCode, int, int)
{
    HWND hReceiver = system().hReceiver.load();
    if (!hReceiver)
        return false;
    if (iCloseCode == CLOSE_GUI_ONLY)
        return PostMessageW(hReceiver, WM_APP + 8, 0, 0) != FALSE;
    return PostMessageW(hReceiver, WM_CLOSE, 0, 0) != FALSE;
}

bool restartInstrument()
{
    trace().write("Restart of the instrument requested.\n");
    return closeApplication(CLOSE_APPLICATION, 0, 0);
}

bool isOperationMessageSuppressed()
{
    return VSIM::SettingsC::boolValue(QStringLiteral("Settings/SilentOperation"));
}

void notifyShutdown(int iParam1, int iParam2)
{
    QList<BSS::HAL::ShutdownHookI*> lstHooks;
    {
        std::unique_lock<std::mutex> oLock(system().oMutex);
        lstHooks = system().lstHooks;
    }
    trace().write("Shutdown notification (%d, %d).\n", iParam1, iParam2);
    for (BSS::HAL::ShutdownHookI* pHook : lstHooks)
        pHook->onShutdown(0);
}

void notifyTaskEnd()
{
    trace().write("Task end notification.\n");
}

bool registerShutdownHook(BSS::HAL::ShutdownHookI* pHook)
{
    std::unique_lock<std::mutex> oLock(system().oMutex);
    if (!pHook || system().lstHooks.contains(pHook))
        return false;
    system().lstHooks.append(pHook);
    return true;
}

bool unregisterShutdownHook(BSS::HAL::ShutdownHookI* pHook)
{
    std::unique_lock<std::mutex> oLock(system().oMutex);
    return system().lstHooks.removeOne(pHook);
}

PlatformStateC::PlatformStateC()
    : m_iValue(VSIM::SettingsC::intValue(QStringLiteral("Settings/PlatformState")))
{
}

int PlatformStateC::getValue() const
{
    return m_iValue;
}

} // namespace CMN
