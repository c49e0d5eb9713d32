#pragma once
// Observers and notification subjects. Subjects call their observers on the notifying thread;
// unsubscribe() returns only when no notification calls the observer any more.
#include <QList>
#include <mutex>

#include <functional>

namespace BSS {
namespace TSK {

class ResponseMsgC
{
public:
    virtual ~ResponseMsgC();
};

class ObserverC
{
public:
    ObserverC();
    virtual ~ObserverC();
    virtual void onNotify(int iParam1, int iParam2, ResponseMsgC* pResponse) = 0;
    // True for observers that answer through the response object.
    virtual bool isResponder() const;
    virtual void onSubscribed();
    virtual void onUnsubscribed();
};

class SubjectC
{
public:
    SubjectC();
    ~SubjectC();
    SubjectC(const SubjectC&) = delete;
    SubjectC& operator=(const SubjectC&) = delete;

    bool subscribe(ObserverC* pObserver);
    bool unsubscribe(ObserverC* pObserver);
    void notify(int iParam1, int iParam2);
    int observerCount() const;

private:
    mutable std::mutex m_oMutex;
    // Held while observers are called; recursive, so that an observer may unsubscribe itself.
    std::recursive_mutex m_oNotifyMutex;
    QList<ObserverC*> m_lstObservers;
};

} // namespace TSK
} // namespace BSS
