#pragma once
// The GUI registry: the platform shows the GUI by running the registered loop on a platform
// thread and hides it by quitting that loop.

namespace CMN {

class GuiEventLoopI
{
public:
    virtual ~GuiEventLoopI();
    // Returns when quit() was called.
    virtual void run() = 0;
    virtual void quit() = 0;
};

class GuiRegistryC
{
public:
    static bool registerGuiEventLoop(GuiEventLoopI* pLoop);
    static bool unregisterGuiEventLoop(GuiEventLoopI* pLoop);
    static GuiEventLoopI* guiEventLoop();
};

} // namespace CMN
