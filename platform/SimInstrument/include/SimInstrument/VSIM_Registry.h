#pragma once
// The registry of the desktop platform: a hive and key path map to one INI file below the
// registry folder. Key paths are compared without regard to letter case, as in the registry.
#include <QString>

namespace VSIM {

// "HKEY_CURRENT_USER\\Software\\Kestra" -> "hkey_current_user/software/kestra"; "." and ".."
// are dropped, so no key path leads out of the registry folder.
QString normalisedRegistryKey(const QString& strNativePath);
QString registryFileFor(const QString& strNativePath);
// Whether a registry file holds a value in QSettings' own variant form ("@Variant(...)"), which
// only damage puts there: QSettings would throw, or make a picture, which a program without a
// GUI must not (Qt stops it). Such a file must not be handed to QSettings.
bool holdsDamagedValue(const QString& strFile);

// The simulator's registry root (hive and key), under which its own settings live.
void setSimulatorRoot(bool bLocalMachine, const QString& strKey);
QString simulatorRootKey();
bool isSimulatorRootLocalMachine();
// "HKEY_CURRENT_USER\\Software\\Kestra\\Vela40 Simulator" and the INI file it maps to.
QString simulatorSettingsPath();
QString simulatorSettingsFile();

} // namespace VSIM
