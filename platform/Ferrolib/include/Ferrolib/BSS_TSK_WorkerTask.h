#pragma once
// A task that runs posted commands one after the other, in the order posted, on its own thread.
// It runs while its component is started: startComponent starts the thread, stopComponent lets
// the commands already accepted finish and ends it.
#include "Ferrolib/BSS_TSK_Task.h"

#include <condition_variable>
#include <deque>
#include <functional>
#include <memory>
#include <mutex>
#include <thread>

namespace BSS {
namespace TSK {

// A unit of work for a worker task.
class WorkerCommandI
{
public:
    virtual ~WorkerCommandI();
    virtual void execute() = 0;
};

class WorkerTaskC : public TaskC
{
public:
    // The queue holds at most iQueueSize commands that have not started yet.
    WorkerTaskC(int iPriority, const char* strName, int iStackKiB, int iQueueSize, int iFlag);
    ~WorkerTaskC() override;

    // False (and the command is dropped) when the task does not run, is stopping or its queue
    // is full. Any thread may post.
    bool post(std::unique_ptr<WorkerCommandI> upCommand);
    bool post(std::function<void()> fnCommand);

    // Commands accepted and not yet finished.
    int pendingCount() const;

    bool startComponent(int iArg) override;
    bool stopComponent(int iArg) override;
    // True when no command is queued or running within the time.
    bool waitUntilStopped(int iTimeoutMs) override;
    void stop(int iArg) override;

protected:
    void execute() override;

private:
    void stopAndJoin();
    bool isWorkerThread() const;

    const int m_iQueueSize;
    mutable std::mutex m_oQueueMutex;
    std::condition_variable m_oWakeUp;
    std::condition_variable m_oIdle;
    std::deque<std::function<void()>> m_dqCommands;
    bool m_bAccepting;
    bool m_bQuit;
    int m_iRunning;
    std::thread::id m_idWorker;
};

} // namespace TSK
} // namespace BSS
