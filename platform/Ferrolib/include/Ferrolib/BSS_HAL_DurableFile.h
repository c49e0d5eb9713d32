#pragma once
// Files of the instrument that must survive a power loss (records, the installed language), and
// the bounded reading of such files.
//
// replaceFile() writes the new content to a temporary file beside the target, flushes it to the
// device, renames it over the target and flushes the folder: after a crash the target holds the
// old or the new content, and true means the new content is on the device. Temporaries that
// writers left when they died are removed on the way. makePath() creates a folder with its
// missing parents and flushes the parent of every folder it made, so the new folder survives too.
// On failure rstrError names the step and the reason ("create: File exists").
#include <QByteArray>
#include <QString>

#include <functional>

namespace BSS {
namespace HAL {

// bReplaced tells a caller whose write failed whether the target already holds the new content
// (only the flush of the folder failed).
struct DurableWriteS
{
    bool bOk = false;
    bool bReplaced = false;
    QString strError;
};

DurableWriteS replaceFile(const QString& strPath, const QByteArray& baData);
bool makePath(const QString& strDir, QString& rstrError);
// Flushes a folder's entries, e.g. after files in it were deleted.
bool syncDirectory(const QString& strDir, QString& rstrError);

enum ReadResultE { READ_OK, READ_MISSING, READ_NOT_REGULAR, READ_TOO_LARGE, READ_FAILED };

// Reads a regular file of at most llMaxBytes. A FIFO, a device or a folder at the path is refused
// without being read, so the caller never blocks on it.
ReadResultE readRegularFile(const QString& strPath, qint64 llMaxBytes, QByteArray& rbaData);

namespace TEST {
// Stands in for fsync() of every file and folder the functions above flush (with the path of
// what is flushed); an empty function restores fsync().
using SyncHookF = std::function<int(int iFd, const QString& strPath)>;
void setSyncHook(const SyncHookF& fnHook);
} // namespace TEST

} // namespace HAL
} // namespace BSS
