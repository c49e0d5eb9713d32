// Kernel events: eventfd for unnamed events, a FIFO in the runtime folder for named ones.
#include <windows.h>

#include "SimInstrument/VSIM_Folders.h"

#include <QFile>
#include <QString>

#include <cerrno>
#include <chrono>
#include <vector>

#include <fcntl.h>
#include <poll.h>
#include <sys/eventfd.h>
#include <sys/stat.h>
#include <unistd.h>

namespace {

thread_local DWORD t_dwLastError = 0;

struct EventObjectS
{
    int iFd = -1;
    bool bManualReset = false;
    bool bNamed = false;
};

EventObjectS* asEvent(HANDLE hObject)
{
    return static_cast<EventObjectS*>(hObject);
}

void signal(EventObjectS* pEvent)
{
    if (pEvent->bNamed) {
        const char cByte = 1;
        // A full pipe is an event that is set already.
        (void)::write(pEvent->iFd, &cByte, 1);
    } else {
        const uint64_t uOne = 1;
        (void)::write(pEvent->iFd, &uOne, sizeof uOne);
    }
}

// Takes the set state; false when another waiter took it first.
bool consume(EventObjectS* pEvent)
{
    if (pEvent->bNamed) {
        char acBuffer[256];
        bool bGot = false;
        while (::read(pEvent->iFd, acBuffer, sizeof acBuffer) > 0)
            bGot = true;
        return bGot;
    }
    uint64_t uValue = 0;
    return ::read(pEvent->iFd, &uValue, sizeof uValue) == ssize_t(sizeof uValue);
}

} // namespace

HANDLE CreateEventW(void*, BOOL bManualReset, BOOL bInitialState, LPCWSTR pwszName)
{
    auto* pEvent = new EventObjectS;
    pEvent->bManualReset = bManualReset != FALSE;
    if (pwszName && *pwszName) {
        const QString strName = QString::fromWCharArray(pwszName);
        if (strName.contains('/') || strName.contains(QLatin1String(".."))) {
            delete pEvent;
            t_dwLastError = 123; // invalid name
            return nullptr;
        }
        const QString strDir = VSIM::runtimeDir() + "/events";
        VSIM::ensureDir(strDir);
        const QByteArray baPath = QFile::encodeName(strDir + "/" + strName);
        if (::mkfifo(baPath.constData(), 0600) != 0 && errno != EEXIST) {
            delete pEvent;
            t_dwLastError = DWORD(errno);
            return nullptr;
        }
        // Read and write ends in one descriptor, so the FIFO keeps its content while we hold it.
        pEvent->iFd = ::open(baPath.constData(), O_RDWR | O_NONBLOCK | O_CLOEXEC);
        pEvent->bNamed = true;
    } else {
        pEvent->iFd = ::eventfd(0, EFD_NONBLOCK | EFD_CLOEXEC);
    }
    if (pEvent->iFd < 0) {
        t_dwLastError = DWORD(errno);
        delete pEvent;
        return nullptr;
    }
    if (bInitialState)
        signal(pEvent);
    return pEvent;
}

BOOL SetEvent(HANDLE hEvent)
{
    if (!hEvent)
        return FALSE;
    signal(asEvent(hEvent));
    return TRUE;
}

BOOL ResetEvent(HANDLE hEvent)
{
    if (!hEvent)
        return FALSE;
    consume(asEvent(hEvent));
    return TRUE;
}

BOOL CloseHandle(HANDLE hObject)
{
    if (!hObject)
        return FALSE;
    EventObjectS* pEvent = asEvent(hObject);
    ::close(pEvent->iFd);
    delete pEvent;
    return TRUE;
}

DWORD WaitForSingleObject(HANDLE hObject, DWORD dwMilliseconds)
{
    return WaitForMultipleObjects(1, &hObject, FALSE, dwMilliseconds);
}

DWORD WaitForMultipleObjects(DWORD nCount, const HANDLE* phObjects, BOOL, DWORD dwMilliseconds)
{
    if (nCount == 0 || nCount > MAXIMUM_WAIT_OBJECTS || !phObjects)
        return WAIT_FAILED;
    std::vector<pollfd> vecPoll(nCount);
    for (DWORD i = 0; i < nCount; ++i) {
        if (!phObjects[i])
            return WAIT_FAILED;
        vecPoll[i] = {asEvent(phObjects[i])->iFd, POLLIN, 0};
    }
    using ClockT = std::chrono::steady_clock;
    const auto tDeadline = ClockT::now() + std::chrono::milliseconds(dwMilliseconds);
    for (;;) {
        int iTimeout = -1;
        if (dwMilliseconds != INFINITE) {
            const auto tLeft =
                std::chrono::duration_cast<std::chrono::milliseconds>(tDeadline - ClockT::now()).count();
            iTimeout = tLeft > 0 ? int(tLeft) : 0;
        }
        const int iReady = ::poll(vecPoll.data(), nCount, iTimeout);
        if (iReady < 0) {
            if (errno == EINTR)
                continue;
            return WAIT_FAILED;
        }
        for (DWORD i = 0; i < nCount; ++i) {
            if (!(vecPoll[i].revents & POLLIN))
                continue;
            EventObjectS* pEvent = asEvent(phObjects[i]);
            if (pEvent->bManualReset || consume(pEvent))
                return WAIT_OBJECT_0 + i;
        }
        if (iReady == 0 && iTimeout == 0)
            return WAIT_TIMEOUT;
        if (dwMilliseconds != INFINITE && ClockT::now() >= tDeadline)
            return WAIT_TIMEOUT;
    }
}

DWORD GetLastError()
{
    return t_dwLastError;
}
