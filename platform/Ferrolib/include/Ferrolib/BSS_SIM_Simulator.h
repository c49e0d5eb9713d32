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
// Begins to watch those settings for changes from outside, without waiting; the instrument's
// services that follow them later find the watch ready.
void startWatchingSettings();

// The instrument's keyboard from outside: presses and releases a key (a Qt key code) in the
// top-level window with that title, in whichever process of this root shows it.
bool pressKey(const QString& strWindowTitle, int iQtKey);
// Asks that window for a PNG of itself at the (absolute) path and a report of its texts beside
// it (.txt instead of .png: one line per text, "fits" or "CUT", class, text), written last.
bool grabWindow(const QString& strWindowTitle, const QString& strPngPath);
// The instrument's level key, as its keyboard driver signals it.
bool pressLevelKey();
// A hot-shoe device of that type (0 to 255) attached: queued for the toolkit, which reports and
// takes it. False with the reason in pstrError when the type is none or the queue cannot be written.
bool attachDevice(int iType, QString* pstrError = nullptr);

} // namespace SIM
} // namespace BSS
