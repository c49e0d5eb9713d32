#include "Ferrolib/BSS_REG_NativeSettings.h"

#include "PlatformFolders.h"

#include <QDir>

namespace BSS {
namespace REG {

namespace {

const QString kShellFolders =
    QStringLiteral("hkey_current_user/software/microsoft/windows/currentversion/explorer/shell folders");

// "HKEY_CURRENT_USER\Software\Kestra" -> "hkey_current_user/software/kestra"; no way out of the root.
QString normalisedKey(const QString& strNativePath)
{
    QStringList lstParts;
    for (const QString& strPart : QString(strNativePath).replace('\\', '/').split('/', Qt::SkipEmptyParts)) {
        if (strPart == QLatin1String(".") || strPart == QLatin1String(".."))
            continue;
        lstParts << strPart.toLower();
    }
    return lstParts.join('/');
}

} // namespace

QString iniFileFor(const QString& strNativePath)
{
    const QString strKey = normalisedKey(strNativePath);
    return KestraPlatform::registryDir() + "/" + (strKey.isEmpty() ? QStringLiteral("root") : strKey) + ".ini";
}

std::unique_ptr<QSettings> openNativeSettings(const QString& strNativePath)
{
    const QString strFile = iniFileFor(strNativePath);
    KestraPlatform::ensureDir(QFileInfo(strFile).absolutePath());
    auto upSettings = std::make_unique<QSettings>(strFile, QSettings::IniFormat);
    // The shell folders answer the user's Documents folder.
    if (normalisedKey(strNativePath) == kShellFolders)
        upSettings->setValue(QStringLiteral("Personal"), KestraPlatform::documentsDir());
    return upSettings;
}

} // namespace REG
} // namespace BSS
