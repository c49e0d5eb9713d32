#include "KTX/KTX_WindowsEventLoop.h"

#include <windows.h>

namespace KTX {

WindowsEventLoopC::WindowsEventLoopC()
    : m_oQuitEvent(0)
{
}

WindowsEventLoopC::~WindowsEventLoopC() = default;

int WindowsEventLoopC::run()
{
    for (;;) {
        if (m_oQuitEvent.wait(100))
            return 0;
        MSG oMsg;
        if (PeekMessageW(&oMsg, nullptr, 0, 0, PM_REMOVE)) {
            TranslateMessage(&oMsg);
            DispatchMessageW(&oMsg);
        }
    }
}

void WindowsEventLoopC::quit()
{
    m_oQuitEvent.set();
}

} // namespace KTX
