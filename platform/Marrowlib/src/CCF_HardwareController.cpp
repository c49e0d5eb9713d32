#include "Marrowlib/CCF_HardwareController.h"

#include <chrono>

namespace CCF {

HardwareControllerC::HardwareControllerC()
    : m_iStarts(0)
    , m_uRound(0)
    , m_bStop(true)
    , m_bFiring(false)
    , m_bQuit(false)
{
    // Made with the controller, so that the first measurement does not wait for a new thread.
    m_oThread = std::thread([this] { run(); });
}

HardwareControllerC::~HardwareControllerC()
{
    {
        std::unique_lock<std::mutex> oLock(m_oMutex);
        m_iStarts = 0;
        m_bStop = true;
        m_bQuit = true;
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
    m_bStop = false;
    ++m_uRound;
    oLock.unlock();
    m_oWake.notify_all();
}

void HardwareControllerC::stopNotifying()
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    if (m_iStarts == 0 || --m_iStarts > 0)
        return;
    m_bStop = true;
    m_oWake.notify_all();
    // From a notification the thread cannot wait for itself.
    if (m_oThread.get_id() != std::this_thread::get_id())
        m_oIdle.wait(oLock, [this] { return !m_bFiring; });
}

bool HardwareControllerC::isNotifying() const
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    return !m_bStop;
}

void HardwareControllerC::run()
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    while (!m_bQuit) {
        if (m_bStop) {
            m_oWake.wait(oLock, [this] { return m_bQuit || !m_bStop; });
            continue;
        }
        const unsigned uRound = m_uRound;
        if (m_oWake.wait_for(oLock, std::chrono::milliseconds(NOTIFY_INTERVAL_MS),
                             [this, uRound] { return m_bStop || m_bQuit || m_uRound != uRound; }))
            continue;
        m_bFiring = true;
        oLock.unlock();
        m_oSource.fire(0, 0);
        oLock.lock();
        m_bFiring = false;
        m_oIdle.notify_all();
    }
}

HardwareControllerC* getHardwareController()
{
    static HardwareControllerC s_oController;
    return &s_oController;
}

} // namespace CCF
