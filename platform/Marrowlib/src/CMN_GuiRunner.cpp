#include "Marrowlib/CMN_GuiRunner.h"

#include "CMN_GuiRunnerInternal.h"
#include "Marrowlib/CMN_GuiEventLoop.h"

#include <mutex>
#include <thread>

#include <pthread.h>

namespace CMN {

namespace {

struct GuiThreadS
{
    // A process that ends while its GUI is shown (its display went away) must not abort here.
    ~GuiThreadS()
    {
        if (oThread.joinable())
            oThread.detach();
    }

    std::mutex oMutex;
    std::thread oThread;
    GuiEventLoopI* pRunning = nullptr;
};

GuiThreadS& guiThread()
{
    static GuiThreadS s_oGuiThread;
    return s_oGuiThread;
}

// Caller holds the mutex.
void stopLocked(GuiThreadS& rGui)
{
    if (!rGui.pRunning)
        return;
    rGui.pRunning->quit();
    if (rGui.oThread.joinable() && rGui.oThread.get_id() != std::this_thread::get_id())
        rGui.oThread.join();
    else if (rGui.oThread.joinable())
        rGui.oThread.detach();
    rGui.pRunning = nullptr;
}

} // namespace

bool GuiRunnerC::show()
{
    GuiThreadS& rGui = guiThread();
    std::lock_guard<std::mutex> oLock(rGui.oMutex);
    GuiEventLoopI* pLoop = GuiRegistryC::guiEventLoop();
    if (!pLoop || rGui.pRunning)
        return false;
    if (rGui.oThread.joinable())
        rGui.oThread.join();
    rGui.pRunning = pLoop;
    rGui.oThread = std::thread([pLoop] {
        pthread_setname_np(pthread_self(), "tC_GuiLoop");
        pLoop->run();
    });
    return true;
}

bool GuiRunnerC::hide()
{
    GuiThreadS& rGui = guiThread();
    std::lock_guard<std::mutex> oLock(rGui.oMutex);
    if (!rGui.pRunning)
        return false;
    stopLocked(rGui);
    return true;
}

void forgetGuiLoop(GuiEventLoopI* pLoop)
{
    GuiThreadS& rGui = guiThread();
    std::lock_guard<std::mutex> oLock(rGui.oMutex);
    if (rGui.pRunning == pLoop)
        stopLocked(rGui);
}

} // namespace CMN
