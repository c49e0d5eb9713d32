#pragma once
// Basic system services: loader mode, default directories, application close and shutdown.
#include <windows.h>

namespace BSS {
namespace HAL {
class ShutdownHookI;
}
} // namespace BSS

namespace CDT {
namespace FIL {
class PathMapDefaultDirectoryI;
}
} // namespace CDT

namespace CMN {

void setLoaderMode(bool bLoaderMode);
bool isLoaderMode();

// Ownership of the provider passes to the platform.
void setDefaultDirectoryProvider(CDT::FIL::PathMapDefaultDirectoryI* pProvider);
// Asks the provider for a device's tree; false when there is none or it failed.
bool createDefaultDirectories(int iDevice);

void setSimulatorNumber(int iNumber);
void setSimulatorFlagA(bool bFlag);
void setSimulatorFlagB(bool bFlag);

// The window that receives the platform's close, stop and start messages (null withdraws it).
void setReceiverWindow(HWND hWnd);
HWND receiverWindow();

enum CloseCodeE { CLOSE_APPLICATION = 0, CLOSE_GUI_ONLY = 2 };
// Code 2 stops only the GUI, any other code the application.
bool closeApplication(int iCloseCode, int iReserved1, int iReserved2);
// Restarts the instrument, so that settings taken only at start-up come into force. The desktop
// simulator goes down as the instrument does (the application closes) but does not switch
// itself on again. False when the application cannot be closed.
bool restartInstrument();
// From now on SIGTERM and SIGINT close the application as the platform would (WM_CLOSE to the
// receiver window, as soon as there is one). Called when the application's start-up begins.
void installTerminationHandlers();

// Asked after a successful upload or format: true when no success message is wanted (a host
// drives the instrument; the simulator setting Settings/SilentOperation).
bool isOperationMessageSuppressed();

void notifyShutdown(int iParam1, int iParam2);
void notifyTaskEnd();
bool registerShutdownHook(BSS::HAL::ShutdownHookI* pHook);
bool unregisterShutdownHook(BSS::HAL::ShutdownHookI* pHook);

// A short-lived query of the platform state; 0xFFFF means not available.
class PlatformStateC
{
public:
    PlatformStateC();
    int getValue() const;

private:
    int m_iValue;
};

} // namespace CMN
