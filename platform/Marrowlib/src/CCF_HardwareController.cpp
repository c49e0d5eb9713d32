#include "Marrowlib/CCF_HardwareController.h"

#include <chrono>

namespace CCF {

HardwareControllerC::HardwareControllerC()
    : m_iStarts(0)
    , m_bStop(true)
{
}

HardwareControllerC::~HardwareControllerC()
{
    {
        std::unique_lock<std::mutex> oLock(m_oMutex);
        m_iStarts = 0;
        m_bStop = true;
    }
    m_oWake.notify_all();
    if (m_oThread.joinable())
        m_oThread.join();
}

BSS::TSK::CommandSourceC& HardwareControllerC::notificationSource()
{
    return m_oSource;
}

void HardwareControllerC::startNotifying()
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    if (m_iStarts++ > 0)
        return;
    if (m_oThread.joinable()) {
        if (m_oThread.get_id() == std::this_thread::get_id()) {
            // Started again from one of its own notifications: it simply goes on.
            m_bStop = false;
            return;
        }
        // Stopped from one of its own notifications: it ends by itself, without the lock.
        oLock.unlock();
        m_oThread.join();
        oLock.lock();
    }
    m_bStop = false;
    m_oThread = std::thread([this] { run(); });
}

void HardwareControllerC::stopNotifying()
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    if (m_iStarts == 0 || --m_iStarts > 0)
        return;
    m_bStop = true;
    oLock.unlock();
    m_oWake.notify_all();
    // From a notification the thread cannot wait for itself; the next start or the end does.
    if (m_oThread.joinable() && m_oThread.get_id() != std::this_thread::get_id())
        m_oThread.join();
}

bool HardwareControllerC::isNotifying() const
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    return !m_bStop;
}

void HardwareControllerC::run()
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    while (!m_bStop) {
        if (m_oWake.wait_for(oLock, std::chrono::milliseconds(NOTIFY_INTERVAL_MS), [this] { return m_bStop; }))
            break;
        oLock.unlock();
        m_oSource.fire(0, 0);
        oLock.lock();
    }
}

HardwareControllerC* getHardwareController()
{
    static HardwareControllerC s_oController;
    return &s_oController;
}

} // namespace CCF
