#include "V40_GUI_UTI_Resources.h"

#include "Ferrolib/BSS_HAL_PathMap.h"

#include <QDirIterator>
#include <QFileInfo>
#include <QImageReader>
#include <QPixmapCache>

namespace V40 {
namespace GUI {
namespace UTI {

QString resourceFilePathBesideProgram(const QString& strFileName)
{
    const QString strProgramFile = QString::fromLocal8Bit(BSS::HAL::getProgramFilePath().c_str());
    return QStringLiteral("%1//%2").arg(QFileInfo(strProgramFile).absolutePath(), strFileName);
}

QPixmap resourcePixmap(const QString& strPath)
{
    const QString strKey = QStringLiteral("V40:") + strPath;
    QPixmap oPixmap;
    if (QPixmapCache::find(strKey, &oPixmap))
        return oPixmap;
    // Our images are PNG and BMP, which Qt reads itself. Without a format Qt first loads every
    // image plug-in (and the SVG module) to ask whether it knows the file.
    QImageReader oReader(strPath, QFileInfo(strPath).suffix().toLatin1());
    oReader.setAutoDetectImageFormat(false);
    oPixmap = QPixmap::fromImage(oReader.read());
    if (!oPixmap.isNull())
        QPixmapCache::insert(strKey, oPixmap);
    return oPixmap;
}

void prepareResourcePixmaps(const QString& strFolder)
{
    QDirIterator oImages(strFolder, {QStringLiteral("*.png"), QStringLiteral("*.bmp")}, QDir::Files);
    while (oImages.hasNext())
        resourcePixmap(oImages.next());
}

} // namespace UTI
} // namespace GUI
} // namespace V40
