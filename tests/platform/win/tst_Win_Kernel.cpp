// Events, waits, window message queues and libraries of the desktop Win32 layer.
#include "KestraProcess.h"
#include "KestraTest.h"

#include "Ferrolib/BSS_SYS_Event.h"

#include <windows.h>

#include <QElapsedTimer>
#include <QTemporaryDir>

#include <atomic>
#include <thread>

namespace {

QList<MSG> s_lstDispatched;

LRESULT CALLBACK recordingProc(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    MSG oMsg{};
    oMsg.hwnd = hWnd;
    oMsg.message = uMsg;
    oMsg.wParam = wParam;
    oMsg.lParam = lParam;
    s_lstDispatched.append(oMsg);
    return 7;
}

} // namespace

class WinKernelTest : public QObject
{
    Q_OBJECT

private slots:
    void eventResetModes()
    {
        BSS::SYS::EventC oAuto(BSS::SYS::EventC::AUTO_RESET);
        BSS::SYS::EventC oManual(BSS::SYS::EventC::MANUAL_RESET);
        QVERIFY(!oAuto.wait(0));
        oAuto.set();
        oAuto.set(); // setting twice still wakes once
        QVERIFY(oAuto.wait(0));
        QVERIFY(!oAuto.wait(0));
        oManual.set();
        QVERIFY(oManual.wait(0));
        QVERIFY(oManual.wait(0));
        oManual.reset();
        QVERIFY(!oManual.wait(0));
    }

    void lowestSetIndexWins()
    {
        BSS::SYS::EventC aoEvents[4];
        HANDLE ahHandles[4];
        for (int i = 0; i < 4; ++i)
            ahHandles[i] = aoEvents[i].nativeHandle();
        aoEvents[3].set();
        aoEvents[1].set();
        QCOMPARE(WaitForMultipleObjects(4, ahHandles, FALSE, 0), WAIT_OBJECT_0 + 1);
        QCOMPARE(WaitForMultipleObjects(4, ahHandles, FALSE, 0), WAIT_OBJECT_0 + 3);
        QCOMPARE(WaitForMultipleObjects(4, ahHandles, FALSE, 20), WAIT_TIMEOUT);
        QCOMPARE(WaitForMultipleObjects(0, ahHandles, FALSE, 0), WAIT_FAILED);
    }

    void waitWakesAcrossThreads()
    {
        BSS::SYS::EventC oEvent;
        std::thread oSetter([&oEvent] {
            std::this_thread::sleep_for(std::chrono::milliseconds(30));
            oEvent.set();
        });
        QVERIFY(oEvent.wait(5000));
        oSetter.join();
    }

    void namedEventInOneProcess()
    {
        BSS::SYS::EventC oWaiter("Test_SameProcess");
        BSS::SYS::EventC oSetter("Test_SameProcess");
        oSetter.set();
        QVERIFY(oWaiter.wait(1000));
        QVERIFY(!oWaiter.wait(0));
    }

    void namedEventAcrossProcessesOfOneRootOnly()
    {
        BSS::SYS::EventC oWaiter("Test_CrossProcess");
        QTemporaryDir oOtherRoot;
        QCOMPARE(KestraTest::runSimCtl({"set-event", "Test_CrossProcess"}, nullptr, oOtherRoot.path()), 0);
        QVERIFY(!oWaiter.wait(200));
        QCOMPARE(KestraTest::runSimCtl({"set-event", "Test_CrossProcess"}), 0);
        QVERIFY(oWaiter.wait(2000));
    }

    void invalidEventNamesAreRefused()
    {
        QVERIFY(!CreateEventW(nullptr, FALSE, FALSE, L"../escape"));
        QVERIFY(!CreateEventW(nullptr, FALSE, FALSE, L"a/b"));
    }

    void messagesAreDispatchedByPeekAndByTheQtLoop()
    {
        WNDCLASSW oClass{};
        oClass.lpfnWndProc = recordingProc;
        oClass.lpszClassName = L"TestWindowClass";
        QVERIFY(RegisterClassW(&oClass) != 0);
        QCOMPARE(RegisterClassW(&oClass), ATOM(0));
        HWND hWnd = CreateWindowExW(0, L"TestWindowClass", L"", WS_VISIBLE, 0, 0, 0, 0, nullptr, nullptr,
                                    nullptr, nullptr);
        QVERIFY(hWnd);
        QCOMPARE(FindWindowExW(nullptr, nullptr, L"TestWindowClass", nullptr), hWnd);

        // Posted from another thread, dispatched by the Qt loop of the window's thread.
        s_lstDispatched.clear();
        std::thread([hWnd] {
            PostMessageW(hWnd, WM_APP + 1, 11, 12);
            PostMessageW(hWnd, WM_APP + 2, 21, 22);
        }).join();
        QVERIFY(KestraTest::waitFor([] { return s_lstDispatched.size() == 2; }, 2000));
        QCOMPARE(s_lstDispatched.at(0).message, UINT(WM_APP + 1));
        QCOMPARE(s_lstDispatched.at(0).lParam, LPARAM(12));
        QCOMPARE(s_lstDispatched.at(1).message, UINT(WM_APP + 2));

        // Peeked by hand, in order, without the Qt loop.
        PostMessageW(hWnd, WM_CLOSE, 0, 2);
        MSG oMsg{};
        QVERIFY(PeekMessageW(&oMsg, nullptr, 0, 0, PM_NOREMOVE));
        QVERIFY(PeekMessageW(&oMsg, nullptr, 0, 0, PM_REMOVE));
        QCOMPARE(oMsg.message, UINT(WM_CLOSE));
        QCOMPARE(DispatchMessageW(&oMsg), LRESULT(7));
        QVERIFY(!PeekMessageW(&oMsg, nullptr, 0, 0, PM_REMOVE));

        QVERIFY(DestroyWindow(hWnd));
        QVERIFY(!PostMessageW(hWnd, WM_APP, 0, 0));
        QVERIFY(UnregisterClassW(L"TestWindowClass", nullptr));
    }

    void librariesLoadByInstrumentName()
    {
        HMODULE hLibrary = LoadLibraryW(L"KestraToolkitMain.dll");
        QVERIFY(hLibrary);
        QVERIFY(GetProcAddress(hLibrary, "KestraToolkitMain"));
        QVERIFY(!GetProcAddress(hLibrary, "NoSuchExport"));
        QVERIFY(FreeLibrary(hLibrary));
        QVERIFY(!LoadLibraryW(L"NoSuchLibrary.dll"));
    }

    void commandLineIsQuotedForTheEntry()
    {
        const QString strCommandLine = QString::fromWCharArray(GetCommandLineW());
        QVERIFY(strCommandLine.contains(QStringLiteral("tst_Win_Kernel")));
    }
};

KESTRA_TEST_MAIN(WinKernelTest)
#include "tst_Win_Kernel.moc"
