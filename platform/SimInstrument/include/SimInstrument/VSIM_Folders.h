#pragma once
// Where the desktop platform keeps what the instrument keeps on its own storage.
#include <QString>

namespace VSIM {

// KESTRA_SIM_ROOT, or empty when unset.
QString simRoot();
// Base of the registry stand-in (one INI file per key path).
QString registryDir();
// The user's Documents folder (what the shell-folder value "Personal" answers).
QString documentsDir();
// Folder of named objects (events, locks, window announcements) of this root.
QString runtimeDir();
// Simulated instrument file system: set by the simulator set-up, else derived from Documents.
QString simDataDir();
void setSimDataDir(const QString& strDir);
// Creates the folder with all parents; true when it exists afterwards.
bool ensureDir(const QString& strDir);

} // namespace VSIM
