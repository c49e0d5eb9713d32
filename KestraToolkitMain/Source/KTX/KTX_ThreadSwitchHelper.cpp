#include "KTX/KTX_ThreadSwitchHelper.h"

#include "Ferrolib/BSS_Assert.h"

namespace KTX {

ThreadSwitchHelperC* ThreadSwitchHelperC::s_pInstance = nullptr;

ThreadSwitchHelperC::ThreadSwitchHelperC()
    : QObject(nullptr)
{
    if (s_pInstance)
        BSS_ASSERT_REPORT("0 == s_pInstance", "KTX_ThreadSwitchHelper", 441);
    else
        s_pInstance = this;
}

ThreadSwitchHelperC::~ThreadSwitchHelperC()
{
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

ThreadSwitchHelperC* ThreadSwitchHelperC::instance()
{
    if (!s_pInstance)
        BSS_ASSERT_REPORT("0 != s_pInstance", "KTX_ThreadSwitchHelper", 376);
    return s_pInstance;
}

void ThreadSwitchHelperC::setMainController(QObject* pMainController)
{
    m_pMainController = pMainController;
}

void ThreadSwitchHelperC::clearMainController()
{
    m_pMainController = nullptr;
}

void ThreadSwitchHelperC::startGui()
{
    forward("startGui", 399);
}

void ThreadSwitchHelperC::stopGui()
{
    forward("stopGui", 407);
}

void ThreadSwitchHelperC::requestQuit()
{
    forward("requestQuit", 415);
}

void ThreadSwitchHelperC::quit()
{
    forward("quit", 423);
}

void ThreadSwitchHelperC::onLanguageChanged()
{
    forward("onLanguageChanged", 431);
}

void ThreadSwitchHelperC::forward(const char* strOperation, int iLine)
{
    if (!m_pMainController) {
        BSS_ASSERT_REPORT("m_pMainController", "KTX_ThreadSwitchHelper", iLine);
        return;
    }
    QMetaObject::invokeMethod(m_pMainController, strOperation, Qt::DirectConnection);
}

} // namespace KTX
