#include "GuiControl.h"

#include "Marrowlib/CMN_GuiEventLoop.h"

#include <mutex>
#include <thread>

#include <pthread.h>

namespace KestraPlatform {
namespace GuiControl {

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
    CMN::GuiEventLoopI* pRunning = nullptr;
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

bool show()
{
    GuiThreadS& rGui = guiThread();
    std::lock_guard<std::mutex> oLock(rGui.oMutex);
    CMN::GuiEventLoopI* pLoop = CMN::GuiRegistryC::guiEventLoop();
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

bool hide()
{
    GuiThreadS& rGui = guiThread();
    std::lock_guard<std::mutex> oLock(rGui.oMutex);
    if (!rGui.pRunning)
        return false;
    stopLocked(rGui);
    return true;
}

bool isShown()
{
    GuiThreadS& rGui = guiThread();
    std::lock_guard<std::mutex> oLock(rGui.oMutex);
    return rGui.pRunning != nullptr;
}

void forgetLoop(CMN::GuiEventLoopI* pLoop)
{
    GuiThreadS& rGui = guiThread();
    std::lock_guard<std::mutex> oLock(rGui.oMutex);
    if (rGui.pRunning == pLoop)
        stopLocked(rGui);
}

} // namespace GuiControl
} // namespace KestraPlatform
