#include "SimInstrument/VSIM_SettingsWatcher.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_SettingTable.h"
#include "SimInstrument/VSIM_TraceLog.h"
#include "VSIM_SettingsFile.h"
#include "VSIM_WatcherControl.h"

#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QMap>

#include <atomic>
#include <cstdlib>
#include <cerrno>
#include <condition_variable>
#include <mutex>
#include <thread>

#include <poll.h>
#include <pthread.h>
#include <sys/eventfd.h>
#include <sys/inotify.h>
#include <unistd.h>

namespace VSIM {

namespace {

using SnapshotT = QHash<QString, QString>;

struct WatcherS
{
    std::mutex oMutex;
    std::condition_variable oArmed;
    QMap<int, SettingsChangedFn> mapSubscribers;
    int iNextId = 1;
    bool bStarted = false;
    bool bArmed = false;
    // Wakes the thread when the settings moved to another file.
    int iControlFd = -1;
    // Held while the thread handles a wake-up, so that unsubscribe() can wait for the
    // subscribers it calls and the process's end for the thread to leave Qt alone.
    std::recursive_mutex oWorkMutex;
    bool bEnding = false;
    std::atomic<int> iWakeUps{0};
    std::atomic<int> iNotifications{0};
};

// Never destroyed: its thread sleeps in it until the process ends.
WatcherS& watcher()
{
    static WatcherS* s_pWatcher = new WatcherS;
    return *s_pWatcher;
}

void trace(const QString& strText)
{
    traceLine(QStringLiteral("Simulator"), strText);
}

// A file that cannot be read changed nothing that could be told: the last snapshot stays.
SnapshotT snapshot(const SnapshotT& hashLast = SnapshotT())
{
    const StoredValuesS oStored = storedValues();
    return oStored.bReadable ? oStored.hashTexts : hashLast;
}

// The settings of the table whose stored text differs; anything else in the file is not ours.
QStringList changedKeys(const SnapshotT& hashBefore, const SnapshotT& hashNow)
{
    QStringList lstKeys;
    const auto fnNote = [&lstKeys](const QString& strKey) {
        if (const SettingS* pSetting = findSetting(strKey)) {
            if (!lstKeys.contains(pSetting->strKey))
                lstKeys << pSetting->strKey;
        }
    };
    for (auto it = hashNow.constBegin(); it != hashNow.constEnd(); ++it) {
        if (!hashBefore.contains(it.key()) || hashBefore.value(it.key()) != it.value())
            fnNote(it.key());
    }
    for (auto it = hashBefore.constBegin(); it != hashBefore.constEnd(); ++it) {
        if (!hashNow.contains(it.key()))
            fnNote(it.key());
    }
    lstKeys.sort();
    return lstKeys;
}

void dispatch(const QStringList& lstKeys)
{
    WatcherS& rWatcher = watcher();
    QList<int> lstIds;
    {
        std::unique_lock<std::mutex> oLock(rWatcher.oMutex);
        lstIds = rWatcher.mapSubscribers.keys();
    }
    ++rWatcher.iNotifications;
    for (const int iId : lstIds) {
        SettingsChangedFn fnChanged;
        {
            // One that a subscriber before it took away is not called.
            std::unique_lock<std::mutex> oLock(rWatcher.oMutex);
            fnChanged = rWatcher.mapSubscribers.value(iId);
        }
        if (fnChanged)
            fnChanged(lstKeys);
    }
}

// The folder of the settings file, watched for the file being made (a new file is linked in
// whole), replaced (renamed over), written in place or removed.
class FolderWatchC
{
public:
    explicit FolderWatchC(int iNotifyFd)
        : m_iNotifyFd(iNotifyFd)
    {
    }

    void arm()
    {
        if (m_iWatch >= 0)
            ::inotify_rm_watch(m_iNotifyFd, m_iWatch);
        const QFileInfo oFile(simulatorSettingsFile());
        ensureDir(oFile.absolutePath());
        m_baName = QFile::encodeName(oFile.fileName());
        m_iWatch = ::inotify_add_watch(m_iNotifyFd, QFile::encodeName(oFile.absolutePath()).constData(),
                                       IN_CREATE | IN_CLOSE_WRITE | IN_MOVED_TO | IN_MOVED_FROM | IN_DELETE);
        if (m_iWatch < 0)
            trace(QStringLiteral("The simulator settings in %1 cannot be watched.").arg(oFile.absolutePath()));
    }

    // Reads the pending notifications; true when one of them concerns the settings file.
    bool takeEvents()
    {
        alignas(inotify_event) char acBuffer[4096];
        bool bConcerned = false;
        ssize_t iRead = 0;
        while ((iRead = ::read(m_iNotifyFd, acBuffer, sizeof acBuffer)) > 0) {
            for (ssize_t iAt = 0; iAt < iRead;) {
                const auto* pEvent = reinterpret_cast<const inotify_event*>(acBuffer + iAt);
                iAt += ssize_t(sizeof(inotify_event) + pEvent->len);
                if (pEvent->mask & IN_Q_OVERFLOW) {
                    bConcerned = true;
                } else if (pEvent->wd == m_iWatch && (pEvent->mask & IN_IGNORED)) {
                    // The folder is gone (the root is being removed): nothing is left to watch.
                    m_iWatch = -1;
                    bConcerned = true;
                } else if (pEvent->wd == m_iWatch && pEvent->len > 0 && m_baName == pEvent->name) {
                    bConcerned = true;
                }
            }
        }
        return bConcerned;
    }

private:
    int m_iNotifyFd;
    int m_iWatch = -1;
    QByteArray m_baName;
};

void setArmed()
{
    WatcherS& rWatcher = watcher();
    {
        std::unique_lock<std::mutex> oLock(rWatcher.oMutex);
        rWatcher.bArmed = true;
    }
    rWatcher.oArmed.notify_all();
}

// Sleeps in poll() without a time-out: only a change of the folder or a new target wakes it.
void watch()
{
    pthread_setname_np(pthread_self(), "tC_SimWatcher");
    WatcherS& rWatcher = watcher();
    const int iNotifyFd = ::inotify_init1(IN_CLOEXEC | IN_NONBLOCK);
    if (iNotifyFd < 0) {
        trace(QStringLiteral("No file-system notifications: changes of the simulator settings go unnoticed."));
        setArmed();
        return;
    }
    FolderWatchC oFolder(iNotifyFd);
    oFolder.arm();
    SnapshotT hashLast = snapshot();
    setArmed();
    for (;;) {
        pollfd aoFds[2] = {{iNotifyFd, POLLIN, 0}, {rWatcher.iControlFd, POLLIN, 0}};
        if (::poll(aoFds, 2, -1) < 0) {
            if (errno == EINTR)
                continue;
            trace(QStringLiteral("The simulator settings watcher stops: poll failed (%1).").arg(errno));
            return;
        }
        ++rWatcher.iWakeUps;
        std::lock_guard<std::recursive_mutex> oWork(rWatcher.oWorkMutex);
        if (rWatcher.bEnding)
            return;
        bool bConcerned = false;
        if (aoFds[1].revents & POLLIN) {
            uint64_t uCount = 0;
            (void)::read(rWatcher.iControlFd, &uCount, sizeof uCount);
            oFolder.arm();
            bConcerned = true;
        }
        if (aoFds[0].revents & POLLIN)
            bConcerned = oFolder.takeEvents() || bConcerned;
        if (!bConcerned)
            continue;
        const SnapshotT hashNow = snapshot(hashLast);
        const QStringList lstKeys = changedKeys(hashLast, hashNow);
        hashLast = hashNow;
        if (!lstKeys.isEmpty())
            dispatch(lstKeys);
    }
}

// Runs before the statics of Qt and of the test's temporary root go: from now on the thread
// sleeps until the process is gone, whatever the removal of the root tells it.
void endWatcher()
{
    WatcherS& rWatcher = watcher();
    std::lock_guard<std::recursive_mutex> oWork(rWatcher.oWorkMutex);
    rWatcher.bEnding = true;
}

void startLocked(WatcherS& rWatcher)
{
    if (rWatcher.bStarted)
        return;
    rWatcher.bStarted = true;
    rWatcher.iControlFd = ::eventfd(0, EFD_CLOEXEC | EFD_NONBLOCK);
    std::atexit(endWatcher);
    // Lives as long as the process, like the instrument's own sensors.
    std::thread(watch).detach();
}

} // namespace

void SettingsWatcherC::start()
{
    WatcherS& rWatcher = watcher();
    std::unique_lock<std::mutex> oLock(rWatcher.oMutex);
    startLocked(rWatcher);
}

int SettingsWatcherC::subscribe(const SettingsChangedFn& fnChanged)
{
    WatcherS& rWatcher = watcher();
    std::unique_lock<std::mutex> oLock(rWatcher.oMutex);
    const int iId = rWatcher.iNextId++;
    rWatcher.mapSubscribers.insert(iId, fnChanged);
    startLocked(rWatcher);
    rWatcher.oArmed.wait(oLock, [&rWatcher] { return rWatcher.bArmed; });
    return iId;
}

void SettingsWatcherC::unsubscribe(int iId)
{
    WatcherS& rWatcher = watcher();
    {
        std::unique_lock<std::mutex> oLock(rWatcher.oMutex);
        rWatcher.mapSubscribers.remove(iId);
    }
    // A call that is running now ends before this returns.
    std::lock_guard<std::recursive_mutex> oWork(rWatcher.oWorkMutex);
}

void retargetSettingsWatcher()
{
    WatcherS& rWatcher = watcher();
    std::unique_lock<std::mutex> oLock(rWatcher.oMutex);
    if (rWatcher.iControlFd < 0)
        return;
    const uint64_t uOne = 1;
    (void)::write(rWatcher.iControlFd, &uOne, sizeof uOne);
}

namespace TEST {

int settingsWatcherWakeUps()
{
    return watcher().iWakeUps;
}

int settingsWatcherNotifications()
{
    return watcher().iNotifications;
}

} // namespace TEST
} // namespace VSIM
