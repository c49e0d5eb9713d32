#include "Ferrolib/BSS_TSK_Observer.h"
#include "Ferrolib/BSS_HAL_ShutdownHook.h"

namespace BSS {
namespace TSK {

ResponseMsgC::~ResponseMsgC() = default;

ObserverC::ObserverC() = default;

ObserverC::~ObserverC() = default;

bool ObserverC::isResponder() const
{
    return false;
}

void ObserverC::onSubscribed()
{
}

void ObserverC::onUnsubscribed()
{
}

SubjectC::SubjectC() = default;

SubjectC::~SubjectC() = default;

bool SubjectC::subscribe(ObserverC* pObserver)
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    if (!pObserver || m_lstObservers.contains(pObserver))
        return false;
    m_lstObservers.append(pObserver);
    oLock.unlock();
    pObserver->onSubscribed();
    return true;
}

bool SubjectC::unsubscribe(ObserverC* pObserver)
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    if (!m_lstObservers.removeOne(pObserver))
        return false;
    oLock.unlock();
    // A notification under way on another thread may still call the observer: once it is over,
    // the observer may go.
    std::lock_guard<std::recursive_mutex> oNotifying(m_oNotifyMutex);
    pObserver->onUnsubscribed();
    return true;
}

void SubjectC::notify(int iParam1, int iParam2)
{
    std::lock_guard<std::recursive_mutex> oNotifying(m_oNotifyMutex);
    QList<ObserverC*> lstObservers;
    {
        std::unique_lock<std::mutex> oLock(m_oMutex);
        lstObservers = m_lstObservers;
    }
    for (ObserverC* pObserver : lstObservers)
        pObserver->onNotify(iParam1, iParam2, nullptr);
}

int SubjectC::observerCount() const
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    return m_lstObservers.size();
}

} // namespace TSK

namespace HAL {
ShutdownHookI::~ShutdownHookI() = default;
} // namespace HAL
} // namespace BSS
