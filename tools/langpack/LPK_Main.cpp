// Makes a language upload file from a translation file (.qm), for the instrument's SD card:
//   KestraLangPack [--version 1.0.0] [--language Deutsch] [--output FILE | --sdcard] KestraToolkit_de_DE.qm
#include "KTX/LNG/KTX_LNG_LanguageFile.h"
#include "KTX/LNG/KTX_LNG_LanguageManager.h"
#include "LOD/LOD_KestraLoaderFactory.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Quillbase/CMN_FileHeader.h"
#include "Quillbase/CMN_FirmwareAccessor.h"

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

} // namespace

int main(int iArgc, char** apArgv)
{
    QCoreApplication oApplication(iArgc, apArgv);
    QCommandLineParser oParser;
    oParser.setApplicationDescription(
        QStringLiteral("Makes a language upload file (.slg) from a toolkit translation (.qm)."));
    oParser.addHelpOption();
    oParser.addPositionalArgument(QStringLiteral("qm"), QStringLiteral("The translation, KestraToolkit_ll_CC.qm."));
    const QCommandLineOption oVersion(QStringLiteral("version"),
                                      QStringLiteral("Firmware version the file is for, major.minor.build "
                                                     "(default: the simulated firmware's)."),
                                      QStringLiteral("version"));
    const QCommandLineOption oLanguage(QStringLiteral("language"),
                                       QStringLiteral("Language name shown in the upload list "
                                                      "(default: the language's own name)."),
                                       QStringLiteral("name"));
    const QCommandLineOption oOutput(QStringList{QStringLiteral("o"), QStringLiteral("output")},
                                     QStringLiteral("Upload file to write (default: beside the .qm)."),
                                     QStringLiteral("file"));
    const QCommandLineOption oSdCard(QStringLiteral("sdcard"),
                                     QStringLiteral("Write it to the simulated instrument's SD card."));
    oParser.addOptions({oVersion, oLanguage, oOutput, oSdCard});
    oParser.process(oApplication);

    if (oParser.positionalArguments().size() != 1)
        return fail(QStringLiteral("name one .qm file (see --help)."));
    const QFileInfo oQm(oParser.positionalArguments().first());

    // The instrument refuses any other name: the language manager would never find the file.
    if (!KTX::LNG::isLanguageFileName(oQm.fileName()))
        return fail(QStringLiteral("'%1' is not named %2.qm.")
                        .arg(oQm.fileName(), QLatin1String(KTX::LNG::g_szLanguageFilePattern)));

    QFile oFile(oQm.filePath());
    if (!oFile.open(QIODevice::ReadOnly))
        return fail(QStringLiteral("cannot read '%1'.").arg(oQm.filePath()));
    const QByteArray baPayload = oFile.readAll();
    if (!KTX::LNG::isLoadableTranslation(baPayload))
        return fail(QStringLiteral("'%1' is not a translation file.").arg(oQm.filePath()));

    CMN::FileHeaderS oHeader;
    oHeader.iFileType = CMN::FILE_TYPE_LANGUAGE;
    oHeader.iObjectType = LOD::KestraLoaderFactoryC::OBJECT_TYPE_LANGUAGE;
    oHeader.strObjectFileName = oQm.fileName();
    oHeader.oDate = QDate::currentDate();
    if (oParser.isSet(oVersion) ? !oHeader.oVersion.fromText(oParser.value(oVersion))
                                : !CMN::getFirmwareVersion(oHeader.oVersion))
        return fail(QStringLiteral("the version must read major.minor.build."));
    // "KestraToolkit_de_DE" -> the locale de_DE -> "Deutsch".
    oHeader.strDescription = oParser.isSet(oLanguage)
                                 ? oParser.value(oLanguage)
                                 : QLocale(oQm.completeBaseName().right(5)).nativeLanguageName();

    const QString strPackageName = oQm.completeBaseName() + QStringLiteral(".slg");
    QString strOutput = oQm.dir().filePath(strPackageName);
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
