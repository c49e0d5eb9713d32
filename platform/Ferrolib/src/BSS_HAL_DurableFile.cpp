#include "Ferrolib/BSS_HAL_DurableFile.h"

#include "SimInstrument/VSIM_ReplacedFile.h"

#include <QAtomicInt>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QRandomGenerator>
#include <QStringList>

#include <cerrno>
#include <cstring>
#include <fcntl.h>
#include <mutex>
#include <signal.h>
#include <sys/stat.h>
#include <unistd.h>

namespace BSS {
namespace HAL {

namespace {

const char* const kTempInfix = ".tmp-";
// A leftover under the name just chosen is removed and the create tried under the next; this
// many in a row means something keeps making them.
constexpr int kCreateAttempts = 100;

std::mutex s_oHookMutex;
TEST::SyncHookF s_fnSyncHook;

int syncFd(int iFd, const QString& strPath)
{
    TEST::SyncHookF fnHook;
    {
        std::lock_guard<std::mutex> oLock(s_oHookMutex);
        fnHook = s_fnSyncHook;
    }
    return fnHook ? fnHook(iFd, strPath) : ::fsync(iFd);
}

QString failure(const char* szStep, int iError)
{
    return QStringLiteral("%1: %2").arg(QLatin1String(szStep), QString::fromLocal8Bit(std::strerror(iError)));
}

// "<pid>-<nonce>": the pid alone does not tell this process from a dead one that had the same pid
// (a restart after a power loss gets the same pids again). Made afresh in a forked child.
QString processTag()
{
    static std::mutex s_oMutex;
    static pid_t s_iPid = 0;
    static QString s_strTag;
    std::lock_guard<std::mutex> oLock(s_oMutex);
    if (s_iPid != ::getpid()) {
        s_iPid = ::getpid();
        s_strTag = QStringLiteral("%1-%2").arg(s_iPid).arg(QRandomGenerator::system()->generate(), 8, 16,
                                                          QLatin1Char('0'));
    }
    return s_strTag;
}

// Temporaries of writers that died before their rename are never renamed. Those of live
// processes may still be written and stay; so do this process's own.
void removeStaleTemporaries(const QString& strPath)
{
    const QFileInfo oTarget(strPath);
    const QString strPrefix = oTarget.fileName() + kTempInfix;
    const QString strOwnTag = processTag() + QLatin1Char('-');
    const QDir oDir(oTarget.absolutePath());
    const QStringList lstTemps = oDir.entryList({strPrefix + "*"}, QDir::Files | QDir::Hidden | QDir::System);
    for (const QString& strTemp : lstTemps) {
        const QString strTag = strTemp.mid(strPrefix.size());
        if (strTag.startsWith(strOwnTag))
            continue;
        bool bOk = false;
        const pid_t iPid = strTag.section(QLatin1Char('-'), 0, 0).toInt(&bOk);
        const bool bDead = !bOk || iPid <= 0 || iPid == ::getpid() || (::kill(iPid, 0) != 0 && errno == ESRCH);
        if (bDead)
            QFile::remove(oDir.filePath(strTemp));
    }
}

bool writeAll(int iFd, const QByteArray& baData)
{
    const char* pData = baData.constData();
    qint64 llLeft = baData.size();
    while (llLeft > 0) {
        const ssize_t iWritten = ::write(iFd, pData, static_cast<size_t>(llLeft));
        if (iWritten < 0) {
            if (errno == EINTR)
                continue;
            return false;
        }
        pData += iWritten;
        llLeft -= iWritten;
    }
    return true;
}

// Opens a new temporary beside the target; -1 with rstrError on failure.
int createTemporary(const QString& strPath, QByteArray& rbaTemp, QString& rstrError)
{
    static QAtomicInt s_iCounter;
    for (int iAttempt = 0; iAttempt < kCreateAttempts; ++iAttempt) {
        // A counter value is handed out once, so a file already there under it is a leftover.
        rbaTemp = QFile::encodeName(QStringLiteral("%1%2%3-%4")
                                        .arg(strPath, QLatin1String(kTempInfix), processTag())
                                        .arg(s_iCounter.fetchAndAddRelaxed(1)));
        const int iFd = ::open(rbaTemp.constData(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
        if (iFd >= 0)
            return iFd;
        if (errno != EEXIST) {
            rstrError = failure("create", errno);
            return -1;
        }
        ::unlink(rbaTemp.constData());
    }
    rstrError = failure("create", EEXIST);
    return -1;
}

} // namespace

bool syncDirectory(const QString& strDir, QString& rstrError)
{
    const QString strClean = QDir::cleanPath(strDir);
    const int iFd = ::open(QFile::encodeName(strClean).constData(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    if (iFd < 0) {
        rstrError = failure("open folder", errno);
        return false;
    }
    const bool bSynced = syncFd(iFd, strClean) == 0;
    const int iError = errno;
    ::close(iFd);
    if (!bSynced)
        rstrError = failure("sync folder", iError);
    return bSynced;
}

bool makePath(const QString& strDir, QString& rstrError)
{
    const QString strClean = QDir::cleanPath(QDir(strDir).absolutePath());
    QStringList lstMissing;
    for (QString strPart = strClean; !QFileInfo(strPart).isDir(); strPart = QFileInfo(strPart).path()) {
        if (QFileInfo(strPart).exists() || QFileInfo(strPart).isSymLink()) {
            rstrError = failure("create folder", ENOTDIR);
            return false;
        }
        lstMissing.prepend(strPart);
    }
    for (const QString& strPart : lstMissing) {
        if (::mkdir(QFile::encodeName(strPart).constData(), 0755) != 0) {
            // Made by someone else meanwhile: theirs to flush.
            if (errno == EEXIST && QFileInfo(strPart).isDir())
                continue;
            rstrError = failure("create folder", errno);
            return false;
        }
        if (!syncDirectory(QFileInfo(strPart).path(), rstrError))
            return false;
    }
    return true;
}

DurableWriteS replaceFile(const QString& strPath, const QByteArray& baData)
{
    DurableWriteS oResult;
    const QString strDir = QFileInfo(strPath).absolutePath();
    removeStaleTemporaries(strPath);
    QByteArray baTemp;
    const int iFd = createTemporary(strPath, baTemp, oResult.strError);
    if (iFd < 0)
        return oResult;
    auto fnFailed = [&](const char* szStep, int iError) {
        oResult.strError = failure(szStep, iError);
        ::unlink(baTemp.constData());
        return oResult;
    };
    if (!writeAll(iFd, baData)) {
        const int iError = errno;
        ::close(iFd);
        return fnFailed("write", iError);
    }
    if (syncFd(iFd, QFile::decodeName(baTemp)) != 0) {
        const int iError = errno;
        ::close(iFd);
        return fnFailed("sync", iError);
    }
    if (::close(iFd) != 0)
        return fnFailed("close", errno);
    // The old file (a firmware image may be large) is freed off this thread.
    const VSIM::ReplacedFileC oReplaced(strPath);
    if (::rename(baTemp.constData(), QFile::encodeName(strPath).constData()) != 0)
        return fnFailed("rename", errno);
    oResult.bReplaced = true;
    oResult.bOk = syncDirectory(strDir, oResult.strError);
    return oResult;
}

ReadResultE readRegularFile(const QString& strPath, qint64 llMaxBytes, QByteArray& rbaData)
{
    // Non-blocking: opening a FIFO for reading would otherwise wait for a writer.
    const int iFd = ::open(QFile::encodeName(strPath).constData(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (iFd < 0)
        return errno == ENOENT || errno == ENOTDIR ? READ_MISSING : READ_FAILED;
    struct stat oStat;
    ReadResultE eResult = READ_OK;
    if (::fstat(iFd, &oStat) != 0)
        eResult = READ_FAILED;
    else if (!S_ISREG(oStat.st_mode))
        eResult = READ_NOT_REGULAR;
    else if (oStat.st_size > llMaxBytes)
        eResult = READ_TOO_LARGE;
    QByteArray baData;
    // Read to the end, not to the size: a file that grows while it is read is still bounded.
    char acBuffer[64 * 1024];
    while (eResult == READ_OK) {
        const ssize_t iRead = ::read(iFd, acBuffer, sizeof acBuffer);
        if (iRead < 0 && errno == EINTR)
            continue;
        if (iRead < 0)
            eResult = READ_FAILED;
        else if (iRead == 0)
            break;
        else if (baData.size() + qint64(iRead) > llMaxBytes)
            eResult = READ_TOO_LARGE;
        else
            baData.append(acBuffer, int(iRead));
    }
    ::close(iFd);
    if (eResult == READ_OK)
        rbaData = baData;
    return eResult;
}

namespace TEST {

void setSyncHook(const SyncHookF& fnHook)
{
    std::lock_guard<std::mutex> oLock(s_oHookMutex);
    s_fnSyncHook = fnHook;
}

} // namespace TEST

} // namespace HAL
} // namespace BSS
