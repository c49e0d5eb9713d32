// KestraTsGen: writes a Qt Linguist source (.ts) from the text token table, optionally
// merging the translations of an existing source into it.
#include "TSG_Catalog.h"
#include "TSG_TsReader.h"
#include "TSG_TsWriter.h"

#include "V40_LNG_TextTokens.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QFile>
#include <QSaveFile>
#include <QTextStream>

namespace {

int fail(const QString& strText)
{
    QTextStream(stderr) << "KestraTsGen: " << strText << '\n';
    return 1;
}

bool sameContent(const QString& strPath, const QByteArray& baContent)
{
    QFile oFile(strPath);
    return oFile.open(QIODevice::ReadOnly) && oFile.readAll() == baContent;
}

QString summaryOf(const QList<TSG::MessageC>& lstMessages)
{
    int iFinished = 0;
    int iUnfinished = 0;
    int iStale = 0;
    for (const TSG::MessageC& rMessage : lstMessages) {
        const QString& strType = rMessage.m_oTranslation.m_strType;
        if (rMessage.m_lstTokens.isEmpty()) {
            ++iStale;
        } else if (strType.isEmpty()) {
            ++iFinished;
        } else {
            ++iUnfinished;
        }
    }
    return QStringLiteral("%1 finished, %2 unfinished, %3 no longer used")
        .arg(iFinished)
        .arg(iUnfinished)
        .arg(iStale);
}

} // namespace

int main(int argc, char** argv)
{
    QCoreApplication oApp(argc, argv);
    QCoreApplication::setApplicationName(QStringLiteral("KestraTsGen"));

    QCommandLineParser oParser;
    oParser.setApplicationDescription(
        QStringLiteral("Writes the Qt Linguist source of the toolkit's texts."));
    oParser.addHelpOption();
    const QCommandLineOption oOutput({QStringLiteral("o"), QStringLiteral("output")},
                                     QStringLiteral("File to write (default: the merged file)."),
                                     QStringLiteral("file"));
    const QCommandLineOption oMerge({QStringLiteral("m"), QStringLiteral("merge")},
                                    QStringLiteral("Existing source whose translations are kept."),
                                    QStringLiteral("file"));
    const QCommandLineOption oLanguage(
        {QStringLiteral("l"), QStringLiteral("language")},
        QStringLiteral("Target language, e.g. de_DE (default: that of the merged file)."),
        QStringLiteral("code"));
    oParser.addOption(oOutput);
    oParser.addOption(oMerge);
    oParser.addOption(oLanguage);
    oParser.process(oApp);

    const QString strMergePath = oParser.value(oMerge);
    const QString strOutputPath = oParser.isSet(oOutput) ? oParser.value(oOutput) : strMergePath;
    if (strOutputPath.isEmpty()) {
        return fail(QStringLiteral("no output file given (use -o or -m)"));
    }

    V40::LNG::initTextTokens();
    TSG::CatalogC oCatalog = TSG::CatalogC::fromTextTokens(V40::LNG::textTokens());
    QString strLanguage = oParser.value(oLanguage);
    if (!strMergePath.isEmpty()) {
        TSG::TsReaderC oReader;
        if (!oReader.read(strMergePath)) {
            // Writing now would throw the translators' work away.
            return fail(QStringLiteral("cannot merge, nothing written: %1").arg(oReader.errorText()));
        }
        oCatalog.merge(oReader.messages());
        if (strLanguage.isEmpty()) {
            strLanguage = oReader.language();
        }
    }

    const QByteArray baXml = TSG::TsWriterC::toXml(oCatalog.messages(), strLanguage);
    // An unchanged source keeps its time stamp, so lrelease does not run again for nothing.
    if (!sameContent(strOutputPath, baXml)) {
        QSaveFile oFile(strOutputPath);
        if (!oFile.open(QIODevice::WriteOnly) || oFile.write(baXml) != baXml.size() ||
            !oFile.commit()) {
            return fail(QStringLiteral("cannot write %1: %2").arg(strOutputPath, oFile.errorString()));
        }
    }
    QTextStream(stdout) << strOutputPath << ": " << summaryOf(oCatalog.messages()) << '\n';
    return 0;
}
