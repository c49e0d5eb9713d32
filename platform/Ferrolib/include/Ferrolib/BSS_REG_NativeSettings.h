#pragma once
// The registry of the desktop platform: a hive and key path map to one INI file. Key paths are
// compared without regard to letter case, as in the registry.
#include <QSettings>
#include <QString>

#include <memory>

namespace BSS {
namespace REG {

// strNativePath: "HKEY_CURRENT_USER\\Software\\...".
std::unique_ptr<QSettings> openNativeSettings(const QString& strNativePath);
QString iniFileFor(const QString& strNativePath);

} // namespace REG
} // namespace BSS
