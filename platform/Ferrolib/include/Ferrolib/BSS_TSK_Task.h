#pragma once
// Platform tasks: one thread per task running execute().
#include "Ferrolib/BSS_TSK_Component.h"

#include <condition_variable>
#include <mutex>
#include <thread>

namespace BSS {
namespace TSK {

class TaskC : public SysComponentC
{
public:
    TaskC(int iPriority, const char* strName, int iFlag);
    TaskC(int iPriority, const char* strName, int iStackKiB, int iQueueSize, int iFlag);
    ~TaskC() override;

    // Starts the thread; false when it runs already.
    bool start(int iArg);
    // Asks the task to end; a task body checks isStopRequested() or waits on its own events.
    virtual void stop(int iArg);
    bool isRunning() const;
    bool isStopRequested() const;
    // True when the thread ended within the time.
    bool waitForEnd(int iTimeoutMs);
    // Releases an ended thread (call after waitForEnd returned true).
    void join(int iArg);
    const char* name() const;
    int priority() const;

protected:
    virtual void execute() = 0;

private:
    void body();

    int m_iPriority;
    char m_strName[32];
    std::thread m_oThread;
    mutable std::mutex m_oMutex;
    std::condition_variable m_oEnded;
    bool m_bRunning;
    bool m_bStopRequested;
};

} // namespace TSK
} // namespace BSS
