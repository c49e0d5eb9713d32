#include "VSIM_SettingsFile.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_ReplacedFile.h"
#include "SimInstrument/VSIM_TraceLog.h"

#include <QFile>
#include <QFileInfo>
#include <QSettings>

#include <atomic>
#include <cstdio>
#include <functional>
#include <mutex>
#include <new>

#include <sys/stat.h>
#include <time.h>

namespace VSIM {

namespace {

bool isHexDigit(QChar ch)
{
    return (ch >= '0' && ch <= '9') || (ch >= 'a' && ch <= 'f') || (ch >= 'A' && ch <= 'F');
}

// A key part as QSettings writes it in an INI file: '/' as '\', others than [A-Za-z0-9_.-] as
// %XX or %UXXXX.
QByteArray iniKey(const QString& strKey)
{
    QByteArray baKey;
    for (const QChar ch : strKey) {
        const ushort uCode = ch.unicode();
        if (ch == '/')
            baKey += '\\';
        else if ((ch >= 'a' && ch <= 'z') || (ch >= 'A' && ch <= 'Z') || (ch >= '0' && ch <= '9') || ch == '_'
                 || ch == '-' || ch == '.')
            baKey += char(uCode);
        else if (uCode <= 0xFF)
            baKey += '%' + QByteArray::number(uCode, 16).rightJustified(2, '0').toUpper();
        else
            baKey += "%U" + QByteArray::number(uCode, 16).rightJustified(4, '0').toUpper();
    }
    return baKey;
}

// A text value, always quoted so that commas, semicolons and edge spaces stay part of it; other
// than printable ASCII as \x escapes (and a hex digit right after one too, or it would join it).
QByteArray iniValue(const QString& strValue)
{
    QByteArray baValue = "\"";
    if (strValue.startsWith('@'))
        baValue += '@'; // a leading @ names a type to QSettings; @@ is the character
    bool bAfterHexEscape = false;
    for (const QChar ch : strValue) {
        const ushort uCode = ch.unicode();
        if (ch == '"' || ch == '\\') {
            baValue += '\\';
            baValue += char(uCode);
            bAfterHexEscape = false;
        } else if (uCode < 0x20 || uCode > 0x7E || (bAfterHexEscape && isHexDigit(ch))) {
            baValue += "\\x" + QByteArray::number(uCode, 16);
            bAfterHexEscape = true;
        } else {
            baValue += char(uCode);
            bAfterHexEscape = false;
        }
    }
    return baValue + '"';
}

bool accessSettings(const std::function<void()>& fnAccess)
{
    bool bRead = !holdsDamagedValue(simulatorSettingsFile());
    if (bRead) {
        try {
            fnAccess();
        } catch (const std::bad_alloc&) {
            bRead = false;
        }
    }
    static std::atomic<bool> s_bTraced{false};
    if (!bRead && !s_bTraced.exchange(true))
        traceLine(QStringLiteral("Simulator"), QStringLiteral("%1 holds a damaged value that cannot be read; its settings read as their defaults.")
                  .arg(simulatorSettingsFile()));
    return bRead;
}

// Tells one version of the file from another.
struct FileVersionS
{
    bool bExists = false;
    dev_t iDevice = 0;
    ino_t iInode = 0;
    off_t iSize = 0;
    timespec oModified{};
    timespec oChanged{};

    bool operator==(const FileVersionS& r) const
    {
        return bExists == r.bExists && iDevice == r.iDevice && iInode == r.iInode && iSize == r.iSize
               && oModified.tv_sec == r.oModified.tv_sec && oModified.tv_nsec == r.oModified.tv_nsec
               && oChanged.tv_sec == r.oChanged.tv_sec && oChanged.tv_nsec == r.oChanged.tv_nsec;
    }
};

FileVersionS versionOf(const struct stat& rStat)
{
    return {true, rStat.st_dev, rStat.st_ino, rStat.st_size, rStat.st_mtim, rStat.st_ctim};
}

FileVersionS currentVersion(const QString& strFile)
{
    struct stat oStat {};
    if (::stat(QFile::encodeName(strFile).constData(), &oStat) != 0)
        return {};
    return versionOf(oStat);
}

struct StoredCacheS
{
    std::mutex oMutex;
    QString strFile;
    bool bValid = false;
    FileVersionS oVersion;
    StoredValuesS oValues;
};

StoredCacheS& storedCache()
{
    static StoredCacheS s_oCache;
    return s_oCache;
}

void remember(const QString& strFile, const FileVersionS& rVersion, const StoredValuesS& rValues)
{
    StoredCacheS& rCache = storedCache();
    std::lock_guard<std::mutex> oLock(rCache.oMutex);
    rCache.strFile = strFile;
    rCache.bValid = true;
    rCache.oVersion = rVersion;
    rCache.oValues = rValues;
}

} // namespace

StoredValuesS storedValues()
{
    const QString strFile = simulatorSettingsFile();
    const FileVersionS oVersion = currentVersion(strFile);
    {
        StoredCacheS& rCache = storedCache();
        std::lock_guard<std::mutex> oLock(rCache.oMutex);
        if (rCache.bValid && rCache.strFile == strFile && rCache.oVersion == oVersion)
            return rCache.oValues;
    }
    StoredValuesS oValues;
    if (oVersion.bExists) {
        oValues.bReadable = accessSettings([&oValues, &strFile] {
            const QSettings oSettings(strFile, QSettings::IniFormat);
            for (const QString& strKey : oSettings.allKeys())
                oValues.hashTexts.insert(strKey, storedText(oSettings.value(strKey)));
        });
        if (!oValues.bReadable)
            oValues.hashTexts.clear();
    }
    // Kept only when the file did not change while it was read; otherwise read again next time.
    if (currentVersion(strFile) == oVersion)
        remember(strFile, oVersion, oValues);
    return oValues;
}

QString storedText(const QVariant& varStored)
{
    if (varStored.type() == QVariant::StringList)
        return varStored.toStringList().join(',');
    return varStored.toString();
}

QByteArray iniText(const QMap<QString, QString>& mapValues)
{
    // Grouped as QSettings groups them: the section is the key up to its first '/'.
    QMap<QString, QByteArray> mapSections;
    for (auto it = mapValues.cbegin(); it != mapValues.cend(); ++it) {
        // Keys outside a group go to [General] (an empty name here); a group called General is
        // written as [%General].
        const int iSlash = it.key().indexOf('/');
        const QString strSection = iSlash < 0 ? QString() : it.key().left(iSlash);
        mapSections[strSection] += iniKey(it.key().mid(iSlash + 1)) + '=' + iniValue(it.value()) + '\n';
    }
    QByteArray baText;
    for (auto it = mapSections.cbegin(); it != mapSections.cend(); ++it) {
        if (!baText.isEmpty())
            baText += '\n';
        const QByteArray baSection = it.key().isEmpty()                     ? QByteArray("General")
                                     : it.key() == QLatin1String("General") ? QByteArray("%General")
                                                                            : iniKey(it.key());
        baText += '[' + baSection + "]\n" + it.value();
    }
    return baText;
}

bool writeSimulatorSettings(const QHash<QString, QString>& hashStored, const QMap<QString, QString>& mapChanges)
{
    const QString strFile = simulatorSettingsFile();
    ensureDir(QFileInfo(strFile).absolutePath());
    QMap<QString, QString> mapValues;
    for (auto it = hashStored.cbegin(); it != hashStored.cend(); ++it)
        mapValues.insert(it.key(), it.value());
    for (auto it = mapChanges.cbegin(); it != mapChanges.cend(); ++it)
        mapValues.insert(it.key(), it.value());
    // Replaced by a rename, so that a reader in another process never sees half a file. Not
    // synced to disk: this is the simulated instrument's state, not a record, and a sync would
    // cost a switch of the plummet several milliseconds.
    const QString strNew = strFile + QStringLiteral(".new");
    QFile oNew(strNew);
    const QByteArray baText = iniText(mapValues);
    if (!oNew.open(QIODevice::WriteOnly | QIODevice::Truncate) || oNew.write(baText) != baText.size() || !oNew.flush()) {
        oNew.remove();
        return false;
    }
    // QSettings keeps what it read while the file's size and modification time (in ms) stay the
    // same; a replacement of the same size within the same millisecond would read as the old one.
    struct stat oOld {};
    if (::stat(QFile::encodeName(strFile).constData(), &oOld) == 0) {
        timespec aTimes[2];
        ::clock_gettime(CLOCK_REALTIME, &aTimes[1]);
        const long long iOldMs = oOld.st_mtim.tv_sec * 1000LL + oOld.st_mtim.tv_nsec / 1000000;
        if (aTimes[1].tv_sec * 1000LL + aTimes[1].tv_nsec / 1000000 <= iOldMs) {
            aTimes[1].tv_sec = (iOldMs + 1) / 1000;
            aTimes[1].tv_nsec = (iOldMs + 1) % 1000 * 1000000;
        }
        aTimes[0] = aTimes[1];
        ::futimens(oNew.handle(), aTimes);
    }
    const ReplacedFileC oReplaced(strFile);
    if (std::rename(QFile::encodeName(strNew).constData(), QFile::encodeName(strFile).constData()) != 0) {
        oNew.close();
        QFile::remove(strNew);
        return false;
    }
    // The renamed file is the one still open here: what it holds is known without reading it.
    struct stat oWritten {};
    if (::fstat(oNew.handle(), &oWritten) == 0) {
        StoredValuesS oValues;
        for (auto it = mapValues.cbegin(); it != mapValues.cend(); ++it)
            oValues.hashTexts.insert(it.key(), it.value());
        remember(strFile, versionOf(oWritten), oValues);
    }
    oNew.close();
    return true;
}

} // namespace VSIM
