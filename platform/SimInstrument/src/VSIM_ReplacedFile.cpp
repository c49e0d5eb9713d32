#include "SimInstrument/VSIM_ReplacedFile.h"

#include <QFile>

#include <condition_variable>
#include <deque>
#include <mutex>
#include <thread>

#include <fcntl.h>
#include <unistd.h>

namespace VSIM {

namespace {

// Closes what it is handed, one after the other. Made once and never destroyed: it may still hold
// a file when the process ends, and the system closes that one.
class CloserC
{
public:
    static CloserC& instance()
    {
        static CloserC* s_pCloser = new CloserC;
        return *s_pCloser;
    }

    void close(int iFd)
    {
        {
            std::lock_guard<std::mutex> oLock(m_oMutex);
            m_dqFds.push_back(iFd);
        }
        m_oWake.notify_one();
    }

private:
    CloserC()
        : m_oThread([this] { run(); })
    {
        m_oThread.detach();
    }

    void run()
    {
        for (;;) {
            int iFd = -1;
            {
                std::unique_lock<std::mutex> oLock(m_oMutex);
                m_oWake.wait(oLock, [this] { return !m_dqFds.empty(); });
                iFd = m_dqFds.front();
                m_dqFds.pop_front();
            }
            ::close(iFd);
        }
    }

    std::mutex m_oMutex;
    std::condition_variable m_oWake;
    std::deque<int> m_dqFds;
    std::thread m_oThread;
};

} // namespace

ReplacedFileC::ReplacedFileC(const QString& strPath)
    // A path reference: no open of the file itself, which could block (a FIFO) or act (a device).
    : m_iFd(::open(QFile::encodeName(strPath).constData(), O_PATH | O_NOFOLLOW | O_CLOEXEC))
{
}

ReplacedFileC::~ReplacedFileC()
{
    if (m_iFd >= 0)
        CloserC::instance().close(m_iFd);
}

} // namespace VSIM
