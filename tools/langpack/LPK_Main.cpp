// Makes upload files for the instrument's SD card: a language file from a translation (.qm), or,
// for the simulated instrument, a firmware file from any image:
//   KestraLangPack [--version 1.0.0] [--language Deutsch] [--output FILE | --sdcard] KestraToolkit_de_DE.qm
//   KestraLangPack --firmware [--version 2.0.0] [--output FILE | --sdcard] Vela40.img
#include "KTX/LNG/KTX_LNG_LanguageFile.h"
#include "KTX/LNG/KTX_LNG_LanguageManager.h"
#include "LOD/LOD_KestraLoaderFactory.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"
#include "Quillbase/CMN_Update.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLocale>
#include <QTextStream>

namespace {

int fail(const QString& strMessage)
{
    QTextStream(stderr) << "KestraLangPack: " << strMessage << '\n';
    return 1;
}

// The language file's header: the name must be one the instrument installs.
bool makeLanguageHeader(const QFileInfo& oQm, const QByteArray& baPayload, CMN::FileHeaderS& rHeader, QString& rstrError)
{
    if (!KTX::LNG::isLanguageFileName(oQm.fileName())) {
        rstrError = QStringLiteral("'%1' is not named %2.qm.")
                        .arg(oQm.fileName(), QLatin1String(KTX::LNG::g_szLanguageFilePattern));
        return false;
    }
    if (!KTX::LNG::isLoadableTranslation(baPayload)) {
        rstrError = QStringLiteral("'%1' is not a translation file.").arg(oQm.filePath());
        return false;
    }
    rHeader.iFileType = CMN::FILE_TYPE_LANGUAGE;
    rHeader.iObjectType = LOD::KestraLoaderFactoryC::OBJECT_TYPE_LANGUAGE;
    // "KestraToolkit_de_DE" -> the locale de_DE -> "Deutsch".
    rHeader.strDescription = QLocale(oQm.completeBaseName().right(5)).nativeLanguageName();
    return true;
}

void makeFirmwareHeader(const QFileInfo& oImage, CMN::FileHeaderS& rHeader)
{
    rHeader.iFileType = CMN::FILE_TYPE_FIRMWARE;
    rHeader.iObjectType = CMN::OBJECT_TYPE_FIRMWARE;
    rHeader.strDescription = oImage.completeBaseName();
}

} // namespace

int main(int iArgc, char** apArgv)
{
    QCoreApplication oApplication(iArgc, apArgv);
    QCommandLineParser oParser;
    oParser.setApplicationDescription(
        QStringLiteral("Makes a language upload file (.slg) from a toolkit translation (.qm), or with --firmware a "
                       "firmware upload file (.fw) for the simulated instrument from an image."));
    oParser.addHelpOption();
    oParser.addPositionalArgument(QStringLiteral("file"),
                                  QStringLiteral("The translation, KestraToolkit_ll_CC.qm, or the firmware image."));
    const QCommandLineOption oFirmware(QStringLiteral("firmware"), QStringLiteral("Make a firmware upload file."));
    const QCommandLineOption oVersion(QStringLiteral("version"),
                                      QStringLiteral("Version of the file, major.minor.build "
                                                     "(default: the simulated firmware's)."),
                                      QStringLiteral("version"));
    const QCommandLineOption oLanguage(QStringLiteral("language"),
                                       QStringLiteral("Language name shown in the upload list "
                                                      "(default: the language's own name)."),
                                       QStringLiteral("name"));
    const QCommandLineOption oOutput(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                     QStringLiteral("Upload file to write (default: beside the input)."),
                                     QStringLiteral("file"));
    const QCommandLineOption oSdCard(QStringLiteral("sdcard"),
                                     QStringLiteral("Write it to the simulated instrument's SD card."));
    oParser.addOptions({oFirmware, oVersion, oLanguage, oOutput, oSdCard});
    oParser.process(oApplication);

    if (oParser.positionalArguments().size() != 1)
        return fail(QStringLiteral("name one input file (see --help)."));
    const QFileInfo oInput(oParser.positionalArguments().first());
    const bool bFirmware = oParser.isSet(oFirmware);

    QFile oFile(oInput.filePath());
    if (!oFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read '%1'.").arg(oInput.filePath()));
    const QByteArray baPayload = oFile.readAll();

    CMN::FileHeaderS oHeader;
    QString strError;
    if (bFirmware)
        makeFirmwareHeader(oInput, oHeader);
    else if (!makeLanguageHeader(oInput, baPayload, oHeader, strError))
        return fail(strError);
    oHeader.strObjectFileName = oInput.fileName();
    oHeader.oDate = QDate::currentDate();
    if (oParser.isSet(oVersion) ? !oHeader.oVersion.fromText(oParser.value(oVersion))
                                : !CMN::getFirmwareVersion(oHeader.oVersion))
        return fail(QStringLiteral("the version must read major.minor.build."));
    if (oParser.isSet(oLanguage))
        oHeader.strDescription = oParser.value(oLanguage);

    const QString strPackageName = oInput.completeBaseName() + (bFirmware ? QStringLiteral(".fw") : QStringLiteral(".slg"));
    QString strOutput = oInput.dir().filePath(strPackageName);
    if (oParser.isSet(oOutput)) {
        strOutput = oParser.value(oOutput);
    } else if (oParser.isSet(oSdCard)) {
        const QString strCard = QFile::decodeName(BSS::HAL::getSdCardRootPath().c_str());
        QDir().mkpath(strCard);
        strOutput = strCard + strPackageName;
    }
    if (!CMN::writePackageFile(strOutput, oHeader, baPayload))
        return fail(QStringLiteral("cannot write '%1'.").arg(strOutput));
    QTextStream(stdout) << "Wrote " << QDir::toNativeSeparators(strOutput) << " (" << oHeader.strDescription
                        << ", version " << oHeader.oVersion.toText() << ", " << baPayload.size()
                        << " bytes)\n";
    return 0;
}
