#include "SimulatorWatcher.h"

#include "Ferrolib/BSS_SYS_Event.h"

#include <QList>
#include <mutex>

#include <thread>

#include <pthread.h>

namespace KestraPlatform {
namespace SimulatorWatcher {

namespace {

struct WatcherS
{
    std::mutex oMutex;
    QList<std::function<void()>> lstListeners;
    bool bStarted = false;
};

WatcherS& watcher()
{
    static WatcherS s_oWatcher;
    return s_oWatcher;
}

void watch()
{
    pthread_setname_np(pthread_self(), "tC_SimWatcher");
    BSS::SYS::EventC oChanged("Kestra_SimulatorChanged");
    for (;;) {
        if (!oChanged.wait(1000))
            continue;
        QList<std::function<void()>> lstListeners;
        {
            std::unique_lock<std::mutex> oLock(watcher().oMutex);
            lstListeners = watcher().lstListeners;
        }
        for (const auto& fnListener : lstListeners)
            fnListener();
    }
}

} // namespace

void addListener(const std::function<void()>& fnListener)
{
    std::unique_lock<std::mutex> oLock(watcher().oMutex);
    watcher().lstListeners.append(fnListener);
    if (!watcher().bStarted) {
        watcher().bStarted = true;
        // Lives as long as the process, like the instrument's own sensors.
        std::thread(watch).detach();
    }
}

} // namespace SimulatorWatcher
} // namespace KestraPlatform
