#include "VSIM_SettingsFile.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"

#include <QFile>
#include <QFileInfo>

#include <cstdio>

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

} // namespace

std::unique_ptr<QSettings> openSimulatorSettings(bool bForWriting)
{
    const QString strFile = simulatorSettingsFile();
    if (bForWriting)
        ensureDir(QFileInfo(strFile).absolutePath());
    return std::make_unique<QSettings>(strFile, QSettings::IniFormat);
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

bool writeSimulatorSettings(const QMap<QString, QString>& mapChanges)
{
    const QString strFile = simulatorSettingsFile();
    ensureDir(QFileInfo(strFile).absolutePath());
    QMap<QString, QString> mapValues;
    {
        const auto upSettings = openSimulatorSettings(false);
        for (const QString& strKey : upSettings->allKeys())
            mapValues.insert(strKey, storedText(upSettings->value(strKey)));
    }
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
    oNew.close();
    if (std::rename(QFile::encodeName(strNew).constData(), QFile::encodeName(strFile).constData()) != 0) {
        QFile::remove(strNew);
        return false;
    }
    return true;
}

} // namespace VSIM
