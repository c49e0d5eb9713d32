#pragma once
// Set-up of the desktop simulator: where the simulated instrument keeps its files and settings.
#include <QString>

namespace BSS {
namespace SIM {

enum HiveE { HIVE_CURRENT_USER = 0, HIVE_LOCAL_MACHINE = 1 };

// The path in the local 8-bit encoding (QFile::encodeName), as every path of the platform.
void setFileSystemRoot(const char* strPath);
QString fileSystemRoot();
void setRegistryRoot(HiveE eHive, const wchar_t* pwszKey);
QString registryRoot();
HiveE registryRootHive();
// The simulator's own settings ("Configuration/SDCard", "Settings/..."), as a native path.
QString simulatorSettingsPath();

// The instrument's keyboard from outside: presses and releases a key (a Qt key code) in the
// top-level window with that title, in whichever process of this root shows it.
bool pressKey(const QString& strWindowTitle, int iQtKey);

} // namespace SIM
} // namespace BSS
