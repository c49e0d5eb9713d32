#pragma once
#include <windows.h>

namespace KTX {

class FirmwareStarterTaskC;

// The hidden window that turns the platform's window messages into the starter task's events.
class NativeEventFilterC
{
public:
    NativeEventFilterC(HINSTANCE hInstance, FirmwareStarterTaskC* pFirmwareStarterTask);
    ~NativeEventFilterC();
    NativeEventFilterC(const NativeEventFilterC&) = delete;
    NativeEventFilterC& operator=(const NativeEventFilterC&) = delete;

    HWND windowHandle() const;

    enum MessageE : UINT {
        MSG_CLOSE_GUI_REQUEST = WM_APP + 8,
        MSG_START_GUI = WM_APP + 13,
        MSG_STOP = WM_APP + 100
    };

private:
    static LRESULT CALLBACK windowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);

    HWND m_hWnd;

    static FirmwareStarterTaskC* s_pFirmwareStarterTask;
    static LPARAM s_lLastCloseParam;
};

} // namespace KTX
