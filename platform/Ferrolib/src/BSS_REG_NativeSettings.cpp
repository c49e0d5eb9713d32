#include "Ferrolib/BSS_REG_NativeSettings.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Registry.h"

#include <QDir>

namespace BSS {
namespace REG {

namespace {

const QString kShellFolders =
    QStringLiteral("hkey_current_user/software/microsoft/windows/currentversion/explorer/shell folders");

} // namespace

QString iniFileFor(const QString& strNativePath)
{
    return VSIM::registryFileFor(strNativePath);
}

std::unique_ptr<QSettings> openNativeSettings(const QString& strNativePath)
{
    const QString strFile = iniFileFor(strNativePath);
    VSIM::ensureDir(QFileInfo(strFile).absolutePath());
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
