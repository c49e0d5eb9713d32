// Window classes, windows and the per-thread message queues. The main thread's queue is also
// dispatched by the Qt loop (see Win_QtBridge.cpp), so both loops deliver a window's messages.
#include <windows.h>

#include "WinInternal.h"

#include <QHash>
#include <mutex>
#include <QString>

#include <deque>
#include <unordered_map>
#include <thread>

#include <sys/eventfd.h>
#include <unistd.h>

namespace {

struct WindowClassS
{
    WNDPROC pfnProc = nullptr;
    HINSTANCE hInstance = nullptr;
};

struct WindowS
{
    QString strClass;
    QString strTitle;
    WNDPROC pfnProc = nullptr;
    std::thread::id oThread;
    bool bVisible = false;
    bool bZoomed = false;
};

struct MessageQueueS
{
    std::deque<MSG> deqMessages;
    int iFd = -1;
};

struct WindowSystemS
{
    std::mutex oMutex;
    QHash<QString, WindowClassS> hashClasses;
    QHash<quintptr, WindowS> hashWindows;
    std::unordered_map<std::thread::id, MessageQueueS> mapQueues;
    quintptr uNextHandle = 0x1000;
};

WindowSystemS& windowSystem()
{
    static WindowSystemS s_oSystem;
    return s_oSystem;
}

// Caller holds the mutex.
MessageQueueS& queueOf(WindowSystemS& rSystem, std::thread::id oThread)
{
    MessageQueueS& rQueue = rSystem.mapQueues[oThread];
    if (rQueue.iFd < 0)
        rQueue.iFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    return rQueue;
}

quintptr key(HWND hWnd)
{
    return reinterpret_cast<quintptr>(hWnd);
}

} // namespace

namespace KestraWin {

int threadQueueFd()
{
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    return queueOf(rSystem, std::this_thread::get_id()).iFd;
}

bool isLocalWindow(HWND hWnd)
{
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    return rSystem.hashWindows.contains(key(hWnd));
}

} // namespace KestraWin

ATOM RegisterClassW(const WNDCLASSW* pClass)
{
    if (!pClass || !pClass->lpszClassName || !pClass->lpfnWndProc)
        return 0;
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    const QString strName = QString::fromWCharArray(pClass->lpszClassName);
    if (rSystem.hashClasses.contains(strName))
        return 0; // already registered, as on Windows
    rSystem.hashClasses.insert(strName, {pClass->lpfnWndProc, pClass->hInstance});
    return ATOM(rSystem.hashClasses.size());
}

BOOL UnregisterClassW(LPCWSTR pwszClassName, HINSTANCE)
{
    if (!pwszClassName)
        return FALSE;
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    return rSystem.hashClasses.remove(QString::fromWCharArray(pwszClassName)) > 0;
}

HWND CreateWindowExW(DWORD, LPCWSTR pwszClassName, LPCWSTR pwszWindowName, DWORD dwStyle, int, int,
                     int, int, HWND, HMENU, HINSTANCE, LPVOID)
{
    if (!pwszClassName)
        return nullptr;
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    const QString strClass = QString::fromWCharArray(pwszClassName);
    const auto itClass = rSystem.hashClasses.constFind(strClass);
    if (itClass == rSystem.hashClasses.constEnd())
        return nullptr;
    WindowS oWindow;
    oWindow.strClass = strClass;
    oWindow.strTitle = pwszWindowName ? QString::fromWCharArray(pwszWindowName) : QString();
    oWindow.pfnProc = itClass->pfnProc;
    oWindow.oThread = std::this_thread::get_id();
    oWindow.bVisible = (dwStyle & WS_VISIBLE) != 0;
    const quintptr uHandle = rSystem.uNextHandle;
    rSystem.uNextHandle += 0x10;
    rSystem.hashWindows.insert(uHandle, oWindow);
    queueOf(rSystem, oWindow.oThread);
    return reinterpret_cast<HWND>(uHandle);
}

BOOL DestroyWindow(HWND hWnd)
{
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    if (!rSystem.hashWindows.remove(key(hWnd)))
        return FALSE;
    // Messages still queued for it are dropped.
    for (auto& rEntry : rSystem.mapQueues) {
        auto& rDeque = rEntry.second.deqMessages;
        for (auto it = rDeque.begin(); it != rDeque.end();)
            it = (it->hwnd == hWnd) ? rDeque.erase(it) : it + 1;
    }
    return TRUE;
}

LRESULT DefWindowProcW(HWND, UINT, WPARAM, LPARAM)
{
    return 0;
}

BOOL PostMessageW(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam)
{
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    const auto itWindow = rSystem.hashWindows.constFind(key(hWnd));
    if (itWindow == rSystem.hashWindows.constEnd())
        return FALSE;
    MessageQueueS& rQueue = queueOf(rSystem, itWindow->oThread);
    MSG oMsg{};
    oMsg.hwnd = hWnd;
    oMsg.message = uMsg;
    oMsg.wParam = wParam;
    oMsg.lParam = lParam;
    rQueue.deqMessages.push_back(oMsg);
    const uint64_t uOne = 1;
    (void)::write(rQueue.iFd, &uOne, sizeof uOne);
    return TRUE;
}

BOOL PeekMessageW(MSG* pMsg, HWND hWnd, UINT uMin, UINT uMax, UINT uRemoveMsg)
{
    if (!pMsg)
        return FALSE;
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    MessageQueueS& rQueue = queueOf(rSystem, std::this_thread::get_id());
    for (auto it = rQueue.deqMessages.begin(); it != rQueue.deqMessages.end(); ++it) {
        const bool bWindowMatches = !hWnd || it->hwnd == hWnd;
        const bool bRangeMatches = (uMin == 0 && uMax == 0) || (it->message >= uMin && it->message <= uMax);
        if (!bWindowMatches || !bRangeMatches)
            continue;
        *pMsg = *it;
        if (uRemoveMsg & PM_REMOVE)
            rQueue.deqMessages.erase(it);
        if (rQueue.deqMessages.empty()) {
            uint64_t uValue = 0;
            (void)::read(rQueue.iFd, &uValue, sizeof uValue);
        }
        return TRUE;
    }
    uint64_t uValue = 0;
    (void)::read(rQueue.iFd, &uValue, sizeof uValue);
    return FALSE;
}

BOOL TranslateMessage(const MSG*)
{
    return FALSE;
}

LRESULT DispatchMessageW(const MSG* pMsg)
{
    if (!pMsg)
        return 0;
    WNDPROC pfnProc = nullptr;
    {
        WindowSystemS& rSystem = windowSystem();
        std::unique_lock<std::mutex> oLock(rSystem.oMutex);
        const auto itWindow = rSystem.hashWindows.constFind(key(pMsg->hwnd));
        if (itWindow == rSystem.hashWindows.constEnd())
            return 0;
        pfnProc = itWindow->pfnProc;
    }
    return pfnProc(pMsg->hwnd, pMsg->message, pMsg->wParam, pMsg->lParam);
}

namespace KestraWin {

HWND findLocalWindow(const QString& strClass, const QString& strTitle, bool bAnyTitle)
{
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    for (auto it = rSystem.hashWindows.constBegin(); it != rSystem.hashWindows.constEnd(); ++it) {
        if (!strClass.isEmpty() && it->strClass != strClass)
            continue;
        if (!bAnyTitle && it->strTitle != strTitle)
            continue;
        return reinterpret_cast<HWND>(it.key());
    }
    return nullptr;
}

bool showLocalWindow(HWND hWnd, int iCmdShow)
{
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    auto itWindow = rSystem.hashWindows.find(key(hWnd));
    if (itWindow == rSystem.hashWindows.end())
        return false;
    const bool bWasVisible = itWindow->bVisible;
    itWindow->bVisible = iCmdShow != SW_HIDE;
    itWindow->bZoomed = iCmdShow == SW_MAXIMIZE || (itWindow->bZoomed && iCmdShow == SW_SHOW);
    return bWasVisible;
}

bool isLocalWindowZoomed(HWND hWnd)
{
    WindowSystemS& rSystem = windowSystem();
    std::unique_lock<std::mutex> oLock(rSystem.oMutex);
    const auto itWindow = rSystem.hashWindows.constFind(key(hWnd));
    return itWindow != rSystem.hashWindows.constEnd() && itWindow->bZoomed;
}

} // namespace KestraWin
