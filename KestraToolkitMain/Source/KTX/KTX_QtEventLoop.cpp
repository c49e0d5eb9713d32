#include "KTX/KTX_QtEventLoop.h"

#include <QApplication>
#include <QMetaObject>

namespace KTX {

QtEventLoopC::QtEventLoopC(int iArgc, char* apArgv[])
    : m_iArgc(iArgc)
    , m_ppArgv(apArgv)
    , m_pApplication(nullptr)
    , m_bQuitRequested(false)
{
}

QtEventLoopC::~QtEventLoopC() = default;

int QtEventLoopC::run()
{
    QApplication oApplication(m_iArgc, m_ppArgv, 0x050302);
    {
        std::lock_guard<std::mutex> oLock(m_oMutex);
        // A quit that came before the loop ran must not be lost.
        if (m_bQuitRequested)
            return 0;
        m_pApplication = &oApplication;
    }
    const int iResult = oApplication.exec();
    std::lock_guard<std::mutex> oLock(m_oMutex);
    m_pApplication = nullptr;
    m_bQuitRequested = false;
    return iResult;
}

void QtEventLoopC::quit()
{
    std::lock_guard<std::mutex> oLock(m_oMutex);
    if (!m_pApplication) {
        m_bQuitRequested = true;
        return;
    }
    // Called from the starter task's thread: the application quits on its own thread.
    QMetaObject::invokeMethod(m_pApplication, "quit", Qt::QueuedConnection);
}

} // namespace KTX
