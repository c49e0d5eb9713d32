// KestraImageRender <image list> <qrc file>
//
// Renders every image of the list (one "<image file> <svg source> <width> <height>" a line,
// sources relative to the list, "#" starts a comment) into the folder of the qrc file and writes
// the qrc file, which puts the images under ":/Images/". An image that cannot be made fails the
// build.
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QCoreApplication>
#include <QImage>
#include <QPainter>
#include <QSaveFile>
#include <QSvgRenderer>
#include <QTextStream>

#include <cstdio>

namespace {

struct ImageS
{
    QString strFileName;
    QString strSource;
    QSize oSize;
};

int fail(const QString& strText)
{
    std::fprintf(stderr, "KestraImageRender: %s\n", qPrintable(strText));
    return 1;
}

bool readImageList(const QString& strListPath, QList<ImageS>& rlstImages, QString& rstrError)
{
    QFile oFile(strListPath);
    if (!oFile.open(QIODevice::ReadOnly | QIODevice::Text)) {
        rstrError = QStringLiteral("cannot read %1").arg(strListPath);
        return false;
    }
    const QDir oSourceDir = QFileInfo(strListPath).absoluteDir();
    int iLine = 0;
    QTextStream oStream(&oFile);
    while (!oStream.atEnd()) {
        ++iLine;
        const QString strLine = oStream.readLine().section(QLatin1Char('#'), 0, 0).trimmed();
        if (strLine.isEmpty())
            continue;
        const QStringList lstFields = strLine.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        bool bWidthOk = false;
        bool bHeightOk = false;
        const int iWidth = lstFields.value(2).toInt(&bWidthOk);
        const int iHeight = lstFields.value(3).toInt(&bHeightOk);
        if (lstFields.size() != 4 || !bWidthOk || !bHeightOk || iWidth <= 0 || iHeight <= 0) {
            rstrError = QStringLiteral("%1:%2: expected <image file> <svg source> <width> <height>")
                            .arg(strListPath)
                            .arg(iLine);
            return false;
        }
        rlstImages.append({lstFields[0], oSourceDir.filePath(lstFields[1]), QSize(iWidth, iHeight)});
    }
    return true;
}

bool renderImage(const ImageS& rImage, const QDir& rOutputDir, QString& rstrError)
{
    QSvgRenderer oRenderer(rImage.strSource);
    if (!oRenderer.isValid()) {
        rstrError = QStringLiteral("cannot read %1").arg(rImage.strSource);
        return false;
    }
    // Bitmaps have no transparency: they are drawn on white.
    const bool bBitmap = rImage.strFileName.endsWith(QLatin1String(".bmp"), Qt::CaseInsensitive);
    QImage oImage(rImage.oSize, bBitmap ? QImage::Format_RGB32 : QImage::Format_ARGB32_Premultiplied);
    oImage.fill(bBitmap ? Qt::white : Qt::transparent);
    {
        QPainter oPainter(&oImage);
        oPainter.setRenderHint(QPainter::Antialiasing);
        oRenderer.render(&oPainter);
    }
    const QString strTarget = rOutputDir.filePath(rImage.strFileName);
    if (!oImage.save(strTarget)) {
        rstrError = QStringLiteral("cannot write %1").arg(strTarget);
        return false;
    }
    return true;
}

bool writeCollection(const QList<ImageS>& rlstImages, const QString& strQrcPath, QString& rstrError)
{
    QSaveFile oFile(strQrcPath);
    if (!oFile.open(QIODevice::WriteOnly | QIODevice::Text)) {
        rstrError = QStringLiteral("cannot write %1").arg(strQrcPath);
        return false;
    }
    QTextStream oStream(&oFile);
    oStream << "<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n<qresource prefix=\"/Images\">\n";
    for (const ImageS& rImage : rlstImages)
        oStream << "  <file alias=\"" << rImage.strFileName << "\">" << rImage.strFileName << "</file>\n";
    oStream << "</qresource>\n</RCC>\n";
    oStream.flush();
    if (!oFile.commit()) {
        rstrError = QStringLiteral("cannot write %1").arg(strQrcPath);
        return false;
    }
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // The images are shapes only, drawn into memory: no screen and no fonts are needed.
    QCoreApplication oApp(argc, argv);
    const QStringList lstArguments = oApp.arguments();
    if (lstArguments.size() != 3)
        return fail(QStringLiteral("usage: KestraImageRender <image list> <qrc file>"));

    QList<ImageS> lstImages;
    QString strError;
    if (!readImageList(lstArguments[1], lstImages, strError))
        return fail(strError);
    // The images lie beside the collection that names them.
    const QDir oOutputDir = QFileInfo(lstArguments[2]).absoluteDir();
    if (!QDir().mkpath(oOutputDir.absolutePath()))
        return fail(QStringLiteral("cannot create %1").arg(oOutputDir.absolutePath()));
    for (const ImageS& rImage : lstImages) {
        if (!renderImage(rImage, oOutputDir, strError))
            return fail(strError);
    }
    if (!writeCollection(lstImages, lstArguments[2], strError))
        return fail(strError);
    return 0;
}
