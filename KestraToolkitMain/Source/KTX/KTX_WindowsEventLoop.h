#pragma once
#include "KTX/KTX_MainEventLoop.h"

#include "Ferrolib/BSS_SYS_Event.h"

namespace KTX {

// The loader-mode loop: dispatches at most one window message per wait of 100 ms.
class WindowsEventLoopC : public MainEventLoopI
{
public:
    WindowsEventLoopC();
    ~WindowsEventLoopC() override;

    int run() override;
    void quit() override;

private:
    BSS::SYS::EventC m_oQuitEvent;
};

} // namespace KTX
