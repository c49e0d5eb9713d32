#include "KTX/KTX_NativeEventFilter.h"

#include "KTX/KTX_FirmwareStarterTask.h"

#include "Ferrolib/BSS_Assert.h"
#include "Quillbase/CMN_System.h"

namespace KTX {

namespace {
const wchar_t* const kWindowClassName = L"KTX_NativeEventFilterC";
}

FirmwareStarterTaskC* NativeEventFilterC::s_pFirmwareStarterTask = nullptr;
LPARAM NativeEventFilterC::s_lLastCloseParam = 0;

NativeEventFilterC::NativeEventFilterC(HINSTANCE hInstance, FirmwareStarterTaskC* pFirmwareStarterTask)
    : m_hWnd(nullptr)
{
    s_pFirmwareStarterTask = pFirmwareStarterTask;
    WNDCLASSW oClass{};
    oClass.lpfnWndProc = &NativeEventFilterC::windowProc;
    oClass.hInstance = hInstance;
    oClass.lpszClassName = kWindowClassName;
    RegisterClassW(&oClass); // the class stays registered for a later filter of this process
    m_hWnd = CreateWindowExW(0, kWindowClassName, L"", WS_VISIBLE, 0, 0, 0, 0, nullptr, nullptr,
                             hInstance, nullptr);
    ShowWindow(m_hWnd, SW_HIDE);
    CMN::setReceiverWindow(m_hWnd);
}

NativeEventFilterC::~NativeEventFilterC()
{
    CMN::setReceiverWindow(nullptr);
    DestroyWindow(m_hWnd);
}

HWND NativeEventFilterC::windowHandle() const
{
    return m_hWnd;
}

LRESULT CALLBACK NativeEventFilterC::windowProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    if (!s_pFirmwareStarterTask) {
        BSS_ASSERT_REPORT("0 != s_pFirmwareStarterTask", "KTX_NativeEventFilter", 24);
        return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
    switch (uMsg) {
    case MSG_START_GUI:
        s_pFirmwareStarterTask->startGui();
        return 0;
    case WM_CLOSE:
        s_lLastCloseParam = lParam;
        s_pFirmwareStarterTask->prepareStopApplication();
        return 0;
    case MSG_CLOSE_GUI_REQUEST:
        // A close this window posts to itself stops only the GUI.
        PostMessageW(hWnd, WM_CLOSE, 0, 2);
        return 0;
    case MSG_STOP:
        if (s_lLastCloseParam == 2)
            s_pFirmwareStarterTask->stopGui();
        else
            s_pFirmwareStarterTask->stopApplication();
        return 0;
    default:
        return DefWindowProcW(hWnd, uMsg, wParam, lParam);
    }
}

} // namespace KTX
