#include "Marrowlib/CMN_GuiEventLoop.h"

#include "CMN_GuiRunnerInternal.h"

#include <atomic>

namespace CMN {

namespace {
std::atomic<GuiEventLoopI*> s_pGuiEventLoop{nullptr};
}

GuiEventLoopI::~GuiEventLoopI() = default;

bool GuiRegistryC::registerGuiEventLoop(GuiEventLoopI* pLoop)
{
    GuiEventLoopI* pExpected = nullptr;
    return pLoop && s_pGuiEventLoop.compare_exchange_strong(pExpected, pLoop);
}

bool GuiRegistryC::unregisterGuiEventLoop(GuiEventLoopI* pLoop)
{
    GuiEventLoopI* pExpected = pLoop;
    if (!pLoop || !s_pGuiEventLoop.compare_exchange_strong(pExpected, nullptr))
        return false;
    // A loop that goes away while shown is stopped first.
    forgetGuiLoop(pLoop);
    return true;
}

GuiEventLoopI* GuiRegistryC::guiEventLoop()
{
    return s_pGuiEventLoop.load();
}

} // namespace CMN
