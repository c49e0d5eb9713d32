#include "Ferrolib/BSS_REG_NativeSettings.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_TraceLog.h"

#include <QDir>
#include <QFile>

namespace BSS {
namespace REG {

namespace {

const QString kShellFolders =
    QStringLiteral("hkey_current_user/software/microsoft/windows/currentversion/explorer/shell folders");

// A damaged file is kept beside the key's for a look, and the key starts afresh: its values read
// as their defaults. One that cannot be moved is read as empty and not written.
bool setDamagedFileAside(const QString& strFile)
{
    const QString strAside = strFile + QStringLiteral(".damaged");
    QFile::remove(strAside);
    const bool bMoved = QFile::rename(strFile, strAside);
    VSIM::traceLine(QStringLiteral("Registry"),
                    bMoved ? QStringLiteral("%1 held a damaged value that cannot be read; kept as %2, its values read as their defaults.")
                                 .arg(strFile, strAside)
                           : QStringLiteral("%1 holds a damaged value that cannot be read and cannot be moved aside; its values read as their defaults and are not written.")
                                 .arg(strFile));
    return bMoved;
}

} // namespace

QString iniFileFor(const QString& strNativePath)
{
    return VSIM::registryFileFor(strNativePath);
}

std::unique_ptr<QSettings> openNativeSettings(const QString& strNativePath)
{
    const QString strFile = iniFileFor(strNativePath);
    VSIM::ensureDir(QFileInfo(strFile).absolutePath());
    if (VSIM::holdsDamagedValue(strFile) && !setDamagedFileAside(strFile))
        return std::make_unique<QSettings>(QString(), QSettings::IniFormat);
    auto upSettings = std::make_unique<QSettings>(strFile, QSettings::IniFormat);
    // The shell folders answer the user's Documents folder. Written only when it moved: every
    // write locks, syncs and renames the file, which a start-up should not wait for.
    if (VSIM::normalisedRegistryKey(strNativePath) == kShellFolders) {
        const QString strPersonal = QStringLiteral("Personal");
        if (upSettings->value(strPersonal).toString() != VSIM::documentsDir())
            upSettings->setValue(strPersonal, VSIM::documentsDir());
    }
    return upSettings;
}

} // namespace REG
} // namespace BSS
