// Hand-over of GUI requests to the main thread, and platform notifications turned into signals.
#include "KestraTest.h"

#include "KTX/KTX_Observer.h"
#include "KTX/KTX_ThreadSwitchHelper.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_TSK_Observer.h"

#include <QSignalSpy>

#include <thread>

namespace {

class FakeControllerC : public QObject
{
    Q_OBJECT
public:
    QStringList m_lstCalls;
    QList<QThread*> m_lstThreads;
public slots:
    void startGui() { record("startGui"); }
    void stopGui() { record("stopGui"); }
    void requestQuit() { record("requestQuit"); }
    void quit() { record("quit"); }
    void onLanguageChanged() { record("onLanguageChanged"); }

private:
    void record(const QString& strCall)
    {
        m_lstCalls << strCall;
        m_lstThreads << QThread::currentThread();
    }
};

} // namespace

class ThreadSwitchHelperTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void queuedRequestsRunOnTheMainThread()
    {
        KTX::ThreadSwitchHelperC oHelper;
        QCOMPARE(KTX::ThreadSwitchHelperC::instance(), &oHelper);
        FakeControllerC oController;
        oHelper.setMainController(&oController);
        std::thread([&oHelper] {
            for (const char* strSlot : {"startGui", "stopGui", "requestQuit", "quit", "onLanguageChanged"})
                QMetaObject::invokeMethod(&oHelper, strSlot, Qt::QueuedConnection);
        }).join();
        QVERIFY(KestraTest::waitFor([&] { return oController.m_lstCalls.size() == 5; }));
        QCOMPARE(oController.m_lstCalls,
                 QStringList({"startGui", "stopGui", "requestQuit", "quit", "onLanguageChanged"}));
        for (QThread* pThread : oController.m_lstThreads)
            QCOMPARE(pThread, QThread::currentThread());
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void withoutControllerEachSlotReports()
    {
        KTX::ThreadSwitchHelperC oHelper;
        FakeControllerC oController;
        oHelper.setMainController(&oController);
        oHelper.clearMainController();
        oHelper.startGui();
        oHelper.stopGui();
        oHelper.requestQuit();
        oHelper.quit();
        oHelper.onLanguageChanged();
        QVERIFY(oController.m_lstCalls.isEmpty());
        QList<int> lstLines;
        for (const BSS::TEST::AssertReportS& rReport : BSS::TEST::assertReports()) {
            QCOMPARE(rReport.strCondition, QStringLiteral("m_pMainController"));
            lstLines << rReport.iLine;
        }
        QCOMPARE(lstLines, QList<int>({399, 407, 415, 423, 431}));
    }

    void secondInstanceIsReported()
    {
        KTX::ThreadSwitchHelperC oFirst;
        {
            KTX::ThreadSwitchHelperC oSecond;
            QCOMPARE(KestraTest::assertTexts(), QStringList{"0 == s_pInstance"});
        }
        QCOMPARE(KTX::ThreadSwitchHelperC::instance(), &oFirst);
    }

    void observerTurnsNotificationsIntoSignalsOnItsThread()
    {
        KTX::ObserverC oObserver;
        BSS::TSK::SubjectC oSubject;
        QVERIFY(oSubject.subscribe(&oObserver));
        QStringList lstOrder;
        QThread* pReceiverThread = nullptr;
        connect(&oObserver, qOverload<int, int>(&KTX::ObserverC::notify), this, [&](int a, int b) {
            lstOrder << QStringLiteral("2:%1,%2").arg(a).arg(b);
            pReceiverThread = QThread::currentThread();
        });
        connect(&oObserver, qOverload<int>(&KTX::ObserverC::notify), this,
                [&](int a) { lstOrder << QStringLiteral("1:%1").arg(a); });
        connect(&oObserver, qOverload<>(&KTX::ObserverC::notify), this, [&] { lstOrder << "0"; });
        std::thread([&oSubject] { oSubject.notify(211, 5); }).join();
        QVERIFY(lstOrder.isEmpty()); // nothing runs on the notifying thread
        QVERIFY(KestraTest::waitFor([&] { return lstOrder.size() == 3; }));
        QCOMPARE(lstOrder, QStringList({"2:211,5", "1:211", "0"}));
        QCOMPARE(pReceiverThread, QThread::currentThread());
        QVERIFY(!oObserver.isResponder());
        QVERIFY(oSubject.unsubscribe(&oObserver));
    }

    void observerNeverAnswers()
    {
        KTX::ObserverC oObserver;
        BSS::TSK::ResponseMsgC oResponse;
        QSignalSpy oSpy(&oObserver, qOverload<>(&KTX::ObserverC::notify));
        oObserver.onNotify(1, 2, &oResponse);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"!rspMsgObj"});
        QVERIFY(oSpy.wait(2000));
    }
};

KESTRA_TEST_MAIN(ThreadSwitchHelperTest)
#include "tst_KTX_ThreadSwitchHelper.moc"
