#include "Ferrolib/BSS_TSK_Task.h"

#include <chrono>
#include <cstdio>
#include <cstring>

#include <pthread.h>

namespace BSS {
namespace TSK {

TaskC::TaskC(int iPriority, const char* strName, int)
    : m_iPriority(iPriority)
    , m_bRunning(false)
    , m_bStopRequested(false)
{
    std::snprintf(m_strName, sizeof m_strName, "%s", strName ? strName : "");
}

TaskC::TaskC(int iPriority, const char* strName, int, int, int iFlag)
    : TaskC(iPriority, strName, iFlag)
{
}

TaskC::~TaskC()
{
    // A derived task stops its thread in its own destructor; here only a finished one is left.
    if (m_oThread.joinable()) {
        if (waitForEnd(5000))
            m_oThread.join();
        else
            m_oThread.detach();
    }
}

bool TaskC::start(int)
{
    std::lock_guard<std::mutex> oLock(m_oMutex);
    if (m_bRunning || m_oThread.joinable())
        return false;
    m_bRunning = true;
    m_bStopRequested = false;
    m_oThread = std::thread(&TaskC::body, this);
    return true;
}

void TaskC::body()
{
    // Thread names are at most 15 characters.
    char acThreadName[16] = {};
    std::memcpy(acThreadName, m_strName, sizeof acThreadName - 1);
    pthread_setname_np(pthread_self(), acThreadName);
    execute();
    std::lock_guard<std::mutex> oLock(m_oMutex);
    m_bRunning = false;
    m_oEnded.notify_all();
}

void TaskC::stop(int)
{
    std::lock_guard<std::mutex> oLock(m_oMutex);
    m_bStopRequested = true;
}

bool TaskC::isRunning() const
{
    std::lock_guard<std::mutex> oLock(m_oMutex);
    return m_bRunning;
}

bool TaskC::isStopRequested() const
{
    std::lock_guard<std::mutex> oLock(m_oMutex);
    return m_bStopRequested;
}

bool TaskC::waitForEnd(int iTimeoutMs)
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    return m_oEnded.wait_for(oLock, std::chrono::milliseconds(iTimeoutMs), [this] { return !m_bRunning; });
}

void TaskC::join(int)
{
    if (m_oThread.joinable() && m_oThread.get_id() != std::this_thread::get_id() && !isRunning())
        m_oThread.join();
}

const char* TaskC::name() const
{
    return m_strName;
}

int TaskC::priority() const
{
    return m_iPriority;
}

} // namespace TSK
} // namespace BSS
