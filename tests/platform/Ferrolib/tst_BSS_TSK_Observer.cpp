#include "KestraTest.h"

#include "Ferrolib/BSS_TSK_Observer.h"

#include <atomic>
#include <future>
#include <thread>

namespace {

// Holds the notifying thread inside onNotify() until it is let go.
class HeldObserverC : public BSS::TSK::ObserverC
{
public:
    void onNotify(int, int, BSS::TSK::ResponseMsgC*) override
    {
        m_oEntered.set_value();
        m_oRelease.get_future().wait();
    }
    std::promise<void> m_oEntered;
    std::promise<void> m_oRelease;
};

// Unsubscribes itself from within its notification.
class LeavingObserverC : public BSS::TSK::ObserverC
{
public:
    explicit LeavingObserverC(BSS::TSK::SubjectC* pSubject) : m_pSubject(pSubject) {}
    void onNotify(int, int, BSS::TSK::ResponseMsgC*) override { m_bLeft = m_pSubject->unsubscribe(this); }
    BSS::TSK::SubjectC* m_pSubject;
    bool m_bLeft = false;
};

} // namespace

class TestObserver : public QObject
{
    Q_OBJECT

private slots:
    // An observer that is unsubscribed while another thread notifies it is not gone before the
    // notification has returned.
    void unsubscribeWaitsForARunningNotification()
    {
        BSS::TSK::SubjectC oSubject;
        HeldObserverC oObserver;
        QVERIFY(oSubject.subscribe(&oObserver));
        std::thread oNotifier([&] { oSubject.notify(211, 0); });
        oObserver.m_oEntered.get_future().wait();
        std::atomic<bool> bUnsubscribed{false};
        std::thread oLeaver([&] { bUnsubscribed = oSubject.unsubscribe(&oObserver); });
        QTest::qWait(50);
        QVERIFY(!bUnsubscribed);
        oObserver.m_oRelease.set_value();
        oLeaver.join();
        oNotifier.join();
        QVERIFY(bUnsubscribed);
        QCOMPARE(oSubject.observerCount(), 0);
    }

    void observerLeavesFromItsNotification()
    {
        BSS::TSK::SubjectC oSubject;
        LeavingObserverC oObserver(&oSubject);
        QVERIFY(oSubject.subscribe(&oObserver));
        oSubject.notify(1, 2);
        QVERIFY(oObserver.m_bLeft);
        QCOMPARE(oSubject.observerCount(), 0);
    }
};

KESTRA_TEST_MAIN(TestObserver)
#include "tst_BSS_TSK_Observer.moc"
