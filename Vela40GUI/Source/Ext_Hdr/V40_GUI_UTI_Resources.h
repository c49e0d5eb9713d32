#pragma once
// Qt resource files are delivered beside the program.
#include <QPixmap>
#include <QString>

namespace V40 {
namespace GUI {
namespace UTI {

// "<directory of the program file>//<file name>", the path under which a resource file beside
// the program is registered.
QString resourceFilePathBesideProgram(const QString& strFileName);

// The image at strPath (a resource path such as ":/Images/level.png"), read in the format its
// suffix names and kept in the pixmap cache; a null pixmap if it cannot be read.
QPixmap resourcePixmap(const QString& strPath);
// Reads every image of the resource folder (such as ":/Images") into the pixmap cache, so that
// a screen shown later finds its images read.
void prepareResourcePixmaps(const QString& strFolder);

} // namespace UTI
} // namespace GUI
} // namespace V40
