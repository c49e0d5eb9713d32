// The worker thread: posted commands run in order on its own thread while its holder is started.
#include "KestraTest.h"

#include "V40_GUI_WorkerThread.h"

#include "Ferrolib/BSS_TSK_Component.h"

#include <atomic>
#include <functional>
#include <future>
#include <mutex>
#include <set>
#include <thread>

#include <pthread.h>

using V40::GUI::WorkerThreadC;

namespace {

// What the commands saw, filled on the worker thread.
struct RecordS
{
    std::mutex oMutex;
    QList<int> lstOrder;
    std::set<std::thread::id> setThreads;
    QString strThreadName;

    std::function<void()> command(int iNumber)
    {
        return [this, iNumber] {
            char acName[16] = {};
            pthread_getname_np(pthread_self(), acName, sizeof acName);
            std::lock_guard<std::mutex> oLock(oMutex);
            lstOrder << iNumber;
            setThreads.insert(std::this_thread::get_id());
            strThreadName = QString::fromLatin1(acName);
        };
    }
};

struct CountCommandS : BSS::TSK::WorkerCommandI
{
    explicit CountCommandS(std::atomic<int>& riCount) : m_riCount(riCount) {}
    void execute() override { ++m_riCount; }
    std::atomic<int>& m_riCount;
};

} // namespace

class WorkerThreadTest : public QObject
{
    Q_OBJECT

private slots:
    void init() { KestraTest::clearReports(); }

    void commandsRunInOrderOnTheWorker()
    {
        WorkerThreadC oWorker;
        BSS::TSK::SysComponentContainerC oHolder;
        oHolder.addChild(&oWorker);
        RecordS oRecord;
        QVERIFY(!oWorker.post(oRecord.command(-1)));

        QVERIFY(oHolder.startComponent(1));
        QList<int> lstExpected;
        for (int i = 0; i < 200; ++i) {
            QVERIFY(oWorker.post(oRecord.command(i)));
            lstExpected << i;
        }
        std::atomic<int> iCount{0};
        QVERIFY(oWorker.post(std::unique_ptr<BSS::TSK::WorkerCommandI>(new CountCommandS(iCount))));
        QVERIFY(oHolder.waitUntilStopped(5000));
        QCOMPARE(iCount.load(), 1);
        QCOMPARE(oRecord.lstOrder, lstExpected);
        QCOMPARE(oRecord.setThreads.size(), 1);
        QVERIFY(!oRecord.setThreads.count(std::this_thread::get_id()));
        QCOMPARE(oRecord.strThreadName, QStringLiteral("tC_WorkerThread"));

        // Commands accepted before the stop still run; afterwards none is accepted.
        for (int i = 200; i < 300; ++i) {
            QVERIFY(oWorker.post(oRecord.command(i)));
            lstExpected << i;
        }
        QVERIFY(oHolder.stopComponent(1));
        QCOMPARE(oRecord.lstOrder, lstExpected);
        QVERIFY(!oWorker.isRunning());
        QVERIFY(!oWorker.post(oRecord.command(-1)));

        // And it starts again with its holder.
        QVERIFY(oHolder.startComponent(1));
        QVERIFY(oWorker.post(oRecord.command(300)));
        QVERIFY(oHolder.waitUntilStopped(5000));
        QCOMPARE(oRecord.lstOrder.last(), 300);
        oHolder.stopComponent(1);
        oHolder.removeChild(&oWorker);
    }

    void aFullQueueRefusesFurtherCommands()
    {
        WorkerThreadC oWorker;
        oWorker.startComponent(1);
        // The first command holds the worker until the queue is full.
        std::promise<void> oEntered;
        std::promise<void> oOpen;
        std::shared_future<void> oOpened = oOpen.get_future().share();
        QVERIFY(oWorker.post([&oEntered, oOpened] {
            oEntered.set_value();
            oOpened.wait();
        }));
        oEntered.get_future().wait();
        std::atomic<int> iCount{0};
        int iAccepted = 0;
        while (iAccepted < 1000 && oWorker.post([&iCount] { ++iCount; }))
            ++iAccepted;
        QCOMPARE(iAccepted, 550);
        QVERIFY(!oWorker.waitUntilStopped(0));
        oOpen.set_value();
        QVERIFY(oWorker.waitUntilStopped(5000));
        QCOMPARE(iCount.load(), 550);
    }

    void oneInstanceAtMost()
    {
        {
            WorkerThreadC oFirst;
            WorkerThreadC oSecond;
            QCOMPARE(WorkerThreadC::instance(), &oFirst);
        }
        QVERIFY(!WorkerThreadC::instance());
        QCOMPARE(KestraTest::assertTexts(), QStringList({"0 == s_pInstance", "0 != s_pInstance"}));
    }
};

KESTRA_TEST_MAIN(WorkerThreadTest)
#include "tst_V40_GUI_WorkerThread.moc"
