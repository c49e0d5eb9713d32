#include "Ferrolib/BSS_TSK_WorkerTask.h"

#include "Ferrolib/BSS_Trace.h"

#include <exception>
#include <utility>

namespace BSS {
namespace TSK {

namespace {

// Adapts a command object to the queue's callables.
class CommandCallS
{
public:
    explicit CommandCallS(std::unique_ptr<WorkerCommandI> upCommand)
        : m_spCommand(std::move(upCommand))
    {
    }
    void operator()() const { m_spCommand->execute(); }

private:
    std::shared_ptr<WorkerCommandI> m_spCommand;
};

} // namespace

WorkerCommandI::~WorkerCommandI() = default;

WorkerTaskC::WorkerTaskC(int iPriority, const char* strName, int iStackKiB, int iQueueSize, int iFlag)
    : TaskC(iPriority, strName, iStackKiB, iQueueSize, iFlag)
    , m_iQueueSize(iQueueSize > 0 ? iQueueSize : 1)
    , m_bAccepting(false)
    , m_bQuit(false)
    , m_iRunning(0)
{
}

WorkerTaskC::~WorkerTaskC()
{
    stopAndJoin();
}

bool WorkerTaskC::post(std::unique_ptr<WorkerCommandI> upCommand)
{
    if (!upCommand)
        return false;
    return post(std::function<void()>(CommandCallS(std::move(upCommand))));
}

bool WorkerTaskC::post(std::function<void()> fnCommand)
{
    if (!fnCommand)
        return false;
    std::lock_guard<std::mutex> oLock(m_oQueueMutex);
    if (!m_bAccepting || int(m_dqCommands.size()) >= m_iQueueSize)
        return false;
    m_dqCommands.push_back(std::move(fnCommand));
    m_oWakeUp.notify_one();
    return true;
}

int WorkerTaskC::pendingCount() const
{
    std::lock_guard<std::mutex> oLock(m_oQueueMutex);
    return int(m_dqCommands.size()) + m_iRunning;
}

bool WorkerTaskC::startComponent(int iArg)
{
    bool bRestart = false;
    {
        std::lock_guard<std::mutex> oLock(m_oQueueMutex);
        bRestart = m_bQuit;
    }
    // A thread that was asked to end finishes its queue before a new one may start.
    if (bRestart)
        stopAndJoin();
    {
        std::lock_guard<std::mutex> oLock(m_oQueueMutex);
        m_bAccepting = true;
        m_bQuit = false;
    }
    const bool bStarted = start(iArg) || isRunning();
    return TaskC::startComponent(iArg) && bStarted;
}

bool WorkerTaskC::stopComponent(int iArg)
{
    stopAndJoin();
    return TaskC::stopComponent(iArg);
}

bool WorkerTaskC::waitUntilStopped(int iTimeoutMs)
{
    std::unique_lock<std::mutex> oLock(m_oQueueMutex);
    const bool bIdle = m_oIdle.wait_for(oLock, std::chrono::milliseconds(iTimeoutMs),
                                        [this] { return m_dqCommands.empty() && m_iRunning == 0; });
    oLock.unlock();
    return TaskC::waitUntilStopped(iTimeoutMs) && bIdle;
}

void WorkerTaskC::stop(int iArg)
{
    TaskC::stop(iArg);
    std::lock_guard<std::mutex> oLock(m_oQueueMutex);
    m_bAccepting = false;
    m_bQuit = true;
    m_oWakeUp.notify_all();
}

void WorkerTaskC::execute()
{
    std::unique_lock<std::mutex> oLock(m_oQueueMutex);
    m_idWorker = std::this_thread::get_id();
    for (;;) {
        m_oWakeUp.wait(oLock, [this] { return m_bQuit || !m_dqCommands.empty(); });
        // Commands accepted before the stop still run.
        if (m_dqCommands.empty()) {
            m_idWorker = std::thread::id();
            return;
        }
        std::function<void()> fnCommand = std::move(m_dqCommands.front());
        m_dqCommands.pop_front();
        m_iRunning = 1;
        oLock.unlock();
        try {
            fnCommand();
        } catch (const std::exception& rException) {
            traceLine(QString::fromLatin1(name()), QStringLiteral("Command failed: %1").arg(rException.what()));
        } catch (...) {
            traceLine(QString::fromLatin1(name()), QStringLiteral("Command failed."));
        }
        fnCommand = nullptr;
        oLock.lock();
        m_iRunning = 0;
        if (m_dqCommands.empty())
            m_oIdle.notify_all();
    }
}

void WorkerTaskC::stopAndJoin()
{
    stop(0);
    // A command that stops its own task cannot wait for itself; the thread ends after it.
    if (isWorkerThread())
        return;
    while (isRunning())
        waitForEnd(1000);
    join(0);
}

bool WorkerTaskC::isWorkerThread() const
{
    std::lock_guard<std::mutex> oLock(m_oQueueMutex);
    return m_idWorker == std::this_thread::get_id();
}

} // namespace TSK
} // namespace BSS
