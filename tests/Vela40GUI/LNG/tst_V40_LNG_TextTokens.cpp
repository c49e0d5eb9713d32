#include "KestraTest.h"

#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>
#include <QTranslator>
#include <QXmlStreamReader>

namespace {

const char* const s_szGermanQm = "KestraToolkit_de_DE.qm";

// German texts that are the English ones by nature: OK, RS232, RTS/CTS, units and unit formats
// (70-73, 75-82), the formula 135, axis names (L, T, Hz, V), product names (Kestra Toolkit,
// Trevo360, EDM, Vantis360) and words German uses as they are (Version, Firmware, Baudrate,
// Format, Video, System, Update).
const QSet<int> s_setSameInGerman = {1,   7,   21,  42,  51,  55,  61,  70,  71,  72,  73,  75,
                                     76,  77,  78,  79,  80,  81,  82,  86,  102, 103, 114, 115,
                                     135, 154, 155, 156, 158, 161, 168, 189, 190, 195, 201};

// Places that hold a fixed number of characters whatever the English text: icon menu tiles
// (200 pixels for the index, a blank and 9 characters) and function keys (7 characters).
int placeLimit(int iToken, const QString& strKind)
{
    static const QSet<int> s_setIconCaptions = {179, 180, 182, 184, 185, 186,
                                                187, 188, 190, 192, 194};
    static const QSet<int> s_setFunctionKeyLabels = {165};
    if (s_setIconCaptions.contains(iToken)) {
        return 9;
    }
    if (strKind == QLatin1String("Button") || s_setFunctionKeyLabels.contains(iToken)) {
        return 7;
    }
    return 0;
}

// Characters per line of the other places, at their fonts; a German line may use the room the
// English one takes.
int kindLimit(const QString& strKind)
{
    if (strKind == QLatin1String("Title")) {
        return 28;
    }
    if (strKind == QLatin1String("Message")) {
        return 36;
    }
    return 22;
}

QStringList placeholdersOf(const QString& strText)
{
    static const QRegularExpression s_oPlaceholder(QStringLiteral("%([1-9][0-9]?|n)"));
    QStringList lstPlaceholders;
    auto itMatch = s_oPlaceholder.globalMatch(strText);
    while (itMatch.hasNext()) {
        lstPlaceholders.append(itMatch.next().captured(0));
    }
    lstPlaceholders.sort();
    return lstPlaceholders;
}

// Line breaks before the first and after the last text: texts appended to others start with
// blank lines, list lines end with one.
QPair<int, int> edgeBreaks(const QString& strText)
{
    static const QRegularExpression s_oNonBreak(QStringLiteral("[^\\n]"));
    const int iFirst = strText.indexOf(s_oNonBreak);
    return {iFirst < 0 ? strText.size() : iFirst,
            strText.size() - 1 - strText.lastIndexOf(s_oNonBreak)};
}

// Hands back context, kind, n and source, so a test sees what the lookup asked for.
class EchoTranslatorC : public QTranslator
{
public:
    QString translate(const char* szContext, const char* szSource, const char* szKind,
                      int n) const override
    {
        return QStringLiteral("%1|%2|%3|%4")
            .arg(QString::fromUtf8(szContext), QString::fromUtf8(szKind))
            .arg(n)
            .arg(QString::fromUtf8(szSource));
    }
    bool isEmpty() const override { return false; }
};

// A message of a .ts file as Linguist sees it.
struct TsMessageS
{
    QString strContext;
    QString strSource;
    QString strKind;
    QString strNote;
    QString strType;
    QString strTranslation;
};

QList<TsMessageS> readTs(const QString& strPath)
{
    QList<TsMessageS> lstMessages;
    QFile oFile(strPath);
    if (!oFile.open(QIODevice::ReadOnly)) {
        return lstMessages;
    }
    QXmlStreamReader oReader(&oFile);
    QString strContext;
    TsMessageS oMessage;
    while (!oReader.atEnd()) {
        oReader.readNext();
        if (oReader.isStartElement()) {
            const QString strName = oReader.name().toString();
            if (strName == QLatin1String("message")) {
                oMessage = TsMessageS{strContext, {}, {}, {}, {}, {}};
            } else if (strName == QLatin1String("name")) {
                strContext = oReader.readElementText();
            } else if (strName == QLatin1String("source")) {
                oMessage.strSource = oReader.readElementText();
            } else if (strName == QLatin1String("comment")) {
                oMessage.strKind = oReader.readElementText();
            } else if (strName == QLatin1String("extracomment")) {
                oMessage.strNote = oReader.readElementText();
            } else if (strName == QLatin1String("translation")) {
                oMessage.strType = oReader.attributes().value(QLatin1String("type")).toString();
                oMessage.strTranslation = oReader.readElementText();
            }
        } else if (oReader.isEndElement() && oReader.name() == QLatin1String("message")) {
            lstMessages.append(oMessage);
        }
    }
    if (oReader.hasError()) {
        lstMessages.clear();
    }
    return lstMessages;
}

bool writeFile(const QString& strPath, const QByteArray& baContent)
{
    QFile oFile(strPath);
    return oFile.open(QIODevice::WriteOnly) && oFile.write(baContent) == baContent.size();
}

QByteArray readFile(const QString& strPath)
{
    QFile oFile(strPath);
    return oFile.open(QIODevice::ReadOnly) ? oFile.readAll() : QByteArray();
}

} // namespace

class TextTokensTest : public QObject
{
    Q_OBJECT

private:
    // Runs the .ts generator; returns its exit code (-1 when it did not run).
    int runTsGen(const QStringList& lstArguments)
    {
        QProcess oProcess;
        oProcess.start(KestraTest::binDir() + QStringLiteral("/KestraTsGen"), lstArguments);
        if (!oProcess.waitForFinished(30000) || oProcess.exitStatus() != QProcess::NormalExit) {
            return -1;
        }
        m_strToolErrors = QString::fromLocal8Bit(oProcess.readAllStandardError());
        return oProcess.exitCode();
    }

    void addRowPerToken()
    {
        QTest::addColumn<int>("iToken");
        const QMap<int, V40::LNG::TextTokenC>& rmapTokens = V40::LNG::textTokens();
        for (auto it = rmapTokens.constBegin(); it != rmapTokens.constEnd(); ++it) {
            QTest::addRow("%d", it.key()) << it.key();
        }
    }

    QTranslator m_oGerman;
    QTemporaryDir m_oTempDir;
    QString m_strToolErrors;

private slots:
    void initTestCase()
    {
        KestraTest::clearReports();
        V40::LNG::initTextTokens();
        QCOMPARE(KestraTest::assertTexts(), QStringList());
        QVERIFY2(m_oGerman.load(KestraTest::binDir() + QLatin1Char('/') + s_szGermanQm),
                 "the German translation is not built");
        QVERIFY(m_oTempDir.isValid());
    }

    void cleanup()
    {
        QCoreApplication::removeTranslator(&m_oGerman);
        KestraTest::clearReports();
    }

    void tableHoldsTheListedTokens()
    {
        const QMap<int, V40::LNG::TextTokenC>& rmapTokens = V40::LNG::textTokens();
        QCOMPARE(rmapTokens.size(), 198);
        QCOMPARE(rmapTokens.firstKey(), 1);
        QCOMPARE(rmapTokens.lastKey(), 202);
        for (int iUnused : {29, 30, 44, 197}) {
            QVERIFY2(!rmapTokens.contains(iUnused), qPrintable(QString::number(iUnused)));
        }
        // Each context owns one block of numbers.
        const QMap<int, QString> mapFirstOfContext = {
            {1, "Functionkey"},   {7, "Global"},      {19, "FileUpload"},
            {48, "CommunicationSettings"},            {64, "UnitSettings"},
            {83, "DateTimeSettings"},                 {90, "AtmosphericSettings"},
            {100, "Level"},       {104, "Calibration"}, {141, "System information"},
            {167, "Format"},      {178, "Menu"}};
        const QSet<QString> setKinds = {"Label", "Title", "Message", "Button", "ComboBox", "CBox"};
        for (auto it = rmapTokens.constBegin(); it != rmapTokens.constEnd(); ++it) {
            QCOMPARE(it.value().m_strContext, (--mapFirstOfContext.upperBound(it.key())).value());
            QVERIFY2(setKinds.contains(it.value().m_strKind), qPrintable(it.value().m_strKind));
        }
        QCOMPARE(rmapTokens.value(76).m_strSourceText, QStringLiteral("%1'\""));
        QCOMPARE(rmapTokens.value(17).m_strSourceText,
                 QStringLiteral("Exit?\n\nModifications will be ignored!"));
    }

    void textWithAndWithoutTranslator()
    {
        QCOMPARE(V40::LNG::getTextToken(178), QStringLiteral("MAIN MENU"));
        QCOMPARE(V40::LNG::getTextToken(12), QStringLiteral("Exit?"));
        QVERIFY(QCoreApplication::installTranslator(&m_oGerman));
        QCOMPARE(V40::LNG::getTextToken(178), QString::fromUtf8("HAUPTMENÜ"));
        QCOMPARE(V40::LNG::getTextToken(12), QStringLiteral("Beenden?"));
        QCOMPARE(V40::LNG::getTextToken(8).arg(2), QStringLiteral("Seite 2"));
        QVERIFY(QCoreApplication::removeTranslator(&m_oGerman));
        QCOMPARE(V40::LNG::getTextToken(178), QStringLiteral("MAIN MENU"));
        QCOMPARE(KestraTest::assertTexts(), QStringList());
    }

    void unknownTokenYieldsPlaceholder_data()
    {
        QTest::addColumn<int>("iToken");
        QTest::newRow("zero") << 0;
        QTest::newRow("after the last") << 203;
        QTest::newRow("negative") << -1;
        QTest::newRow("unused number") << 197;
    }

    void unknownTokenYieldsPlaceholder()
    {
        QFETCH(int, iToken);
        QCOMPARE(V40::LNG::getTextToken(iToken), QStringLiteral("<XXX>"));
        QCOMPARE(KestraTest::assertTexts(), QStringList{QStringLiteral("false")});
        QCOMPARE(BSS::TEST::assertReports().value(0).strSource,
                 QStringLiteral("V40_LNG_TextTokens"));
    }

    void secondInitReportsAndKeepsTable()
    {
        const int iSize = V40::LNG::textTokens().size();
        V40::LNG::initTextTokens();
        QCOMPARE(KestraTest::assertTexts(), QStringList{QStringLiteral("s_mapTextTokens.empty()")});
        QCOMPARE(V40::LNG::textTokens().size(), iSize);
        QCOMPARE(V40::LNG::getTextToken(178), QStringLiteral("MAIN MENU"));
    }

    void lookupPassesContextKindAndNumber()
    {
        EchoTranslatorC oEcho;
        QVERIFY(QCoreApplication::installTranslator(&oEcho));
        // "Language" is a label of the file upload (twice) and of the update menu.
        const QString strUpload = V40::LNG::getTextToken(22);
        const QString strMenu = V40::LNG::getTextToken(196);
        const QString strTitle = V40::LNG::getTextToken(25);
        const QString strCounted = V40::LNG::getTextToken(8, 3);
        QCoreApplication::removeTranslator(&oEcho);

        QCOMPARE(strUpload, QStringLiteral("FileUpload|Label|-1|Language"));
        QCOMPARE(strMenu, QStringLiteral("Menu|Label|-1|Language"));
        QCOMPARE(strTitle, QStringLiteral("FileUpload|Title|-1|Select Language"));
        QCOMPARE(strCounted, QStringLiteral("Global|Title|3|Page %1"));
    }

    void germanTextOfEveryToken_data() { addRowPerToken(); }

    void germanTextOfEveryToken()
    {
        QFETCH(int, iToken);
        const V40::LNG::TextTokenC oToken = V40::LNG::textTokens().value(iToken);
        const QString& strEnglish = oToken.m_strSourceText;
        const QString strGerman = m_oGerman.translate(oToken.m_strContext.toUtf8().constData(),
                                                      strEnglish.toUtf8().constData(),
                                                      oToken.m_strKind.toUtf8().constData());
        QVERIFY2(!strGerman.isEmpty(), "no German translation");
        if (s_setSameInGerman.contains(iToken)) {
            QCOMPARE(strGerman, strEnglish);
        } else {
            QVERIFY2(strGerman != strEnglish, qPrintable(strGerman));
        }
        QVERIFY(QCoreApplication::installTranslator(&m_oGerman));
        QCOMPARE(V40::LNG::getTextToken(iToken), strGerman);

        QCOMPARE(placeholdersOf(strGerman), placeholdersOf(strEnglish));
        // The same number of lines, so the message panels keep their layout.
        QCOMPARE(strGerman.count(QLatin1Char('\n')), strEnglish.count(QLatin1Char('\n')));
        QCOMPARE(edgeBreaks(strGerman), edgeBreaks(strEnglish));

        int iEnglishWidth = 0;
        for (const QString& strLine : strEnglish.split(QLatin1Char('\n'))) {
            iEnglishWidth = qMax(iEnglishWidth, strLine.size());
        }
        const int iPlaceLimit = placeLimit(iToken, oToken.m_strKind);
        const int iLimit = iPlaceLimit > 0 ? iPlaceLimit
                                           : qMax(iEnglishWidth, kindLimit(oToken.m_strKind));
        for (const QString& strLine : strGerman.split(QLatin1Char('\n'))) {
            QVERIFY2(strLine.size() <= iLimit,
                     qPrintable(QStringLiteral("'%1' is longer than %2").arg(strLine).arg(iLimit)));
        }
    }

    void generatedSourceMatchesTable()
    {
        const QString strTs = m_oTempDir.filePath(QStringLiteral("template.ts"));
        QCOMPARE(runTsGen({QStringLiteral("-o"), strTs}), 0);
        const QList<TsMessageS> lstMessages = readTs(strTs);
        QVERIFY(!lstMessages.isEmpty());

        QMap<int, TsMessageS> mapByToken;
        for (const TsMessageS& rMessage : lstMessages) {
            QCOMPARE(rMessage.strType, QStringLiteral("unfinished"));
            QVERIFY(rMessage.strTranslation.isEmpty());
            const QString strNumbers = rMessage.strNote.section(QLatin1Char(' '), 1);
            for (const QString& strNumber : strNumbers.split(QStringLiteral(", "))) {
                bool bOk = false;
                const int iToken = strNumber.toInt(&bOk);
                QVERIFY2(bOk && !mapByToken.contains(iToken), qPrintable(rMessage.strNote));
                mapByToken.insert(iToken, rMessage);
            }
        }
        const QMap<int, V40::LNG::TextTokenC>& rmapTokens = V40::LNG::textTokens();
        QCOMPARE(mapByToken.keys(), rmapTokens.keys());
        QSet<QString> setKeys;
        for (auto it = rmapTokens.constBegin(); it != rmapTokens.constEnd(); ++it) {
            const TsMessageS& rMessage = mapByToken.value(it.key());
            QCOMPARE(rMessage.strContext, it.value().m_strContext);
            QCOMPARE(rMessage.strSource, it.value().m_strSourceText);
            QCOMPARE(rMessage.strKind, it.value().m_strKind);
            setKeys.insert(rMessage.strContext + '|' + rMessage.strSource + '|' + rMessage.strKind);
        }
        // Tokens with the same context, text and kind share one message (22 and 43).
        QCOMPARE(lstMessages.size(), setKeys.size());
        QCOMPARE(mapByToken.value(22).strNote, QStringLiteral("Tokens 22, 43"));
    }

    void mergeKeepsTranslations()
    {
        const QString strOld = m_oTempDir.filePath(QStringLiteral("old.ts"));
        const QString strNew = m_oTempDir.filePath(QStringLiteral("new.ts"));
        QVERIFY(writeFile(strOld,
                          "<?xml version=\"1.0\" encoding=\"utf-8\"?>\n<!DOCTYPE TS>\n"
                          "<TS version=\"2.1\" language=\"de_DE\">\n<context><name>Menu</name>\n"
                          "<message><source>MAIN MENU</source><comment>Title</comment>"
                          "<translation>HAUPTMEN\xc3\x9c</translation></message>\n"
                          "<message><source>Firmware</source><comment>Label</comment>"
                          "<translation type=\"unfinished\">Firmw.</translation></message>\n"
                          "<message><source>Tools</source><comment>Label</comment>"
                          "<translation>Werkzeuge</translation></message>\n"
                          "<message><source>Extras</source><comment>Label</comment>"
                          "<translation type=\"unfinished\"></translation></message>\n"
                          "</context>\n<context><name>Global</name>\n"
                          "<message><source>Exit?</source><comment>Label</comment>"
                          "<translation>Ende?</translation></message>\n"
                          "</context>\n</TS>\n"));
        QCOMPARE(runTsGen({QStringLiteral("-m"), strOld, QStringLiteral("-o"), strNew}), 0);
        const QByteArray baNew = readFile(strNew);
        QVERIFY(baNew.contains("language=\"de_DE\""));

        QHash<QString, TsMessageS> hashByKey;
        for (const TsMessageS& rMessage : readTs(strNew)) {
            hashByKey.insert(rMessage.strContext + '|' + rMessage.strSource + '|' + rMessage.strKind,
                             rMessage);
        }
        const TsMessageS oMain = hashByKey.value(QStringLiteral("Menu|MAIN MENU|Title"));
        QCOMPARE(oMain.strType, QString());
        QCOMPARE(oMain.strTranslation, QString::fromUtf8("HAUPTMENÜ"));
        QCOMPARE(oMain.strNote, QStringLiteral("Token 178"));
        const TsMessageS oFirmware = hashByKey.value(QStringLiteral("Menu|Firmware|Label"));
        QCOMPARE(oFirmware.strType, QStringLiteral("unfinished"));
        QCOMPARE(oFirmware.strTranslation, QStringLiteral("Firmw."));
        // Texts that left the table keep their translation but are no longer built.
        QCOMPARE(hashByKey.value(QStringLiteral("Menu|Tools|Label")).strType,
                 QStringLiteral("vanished"));
        QCOMPARE(hashByKey.value(QStringLiteral("Menu|Tools|Label")).strTranslation,
                 QStringLiteral("Werkzeuge"));
        QCOMPARE(hashByKey.value(QStringLiteral("Global|Exit?|Label")).strType,
                 QStringLiteral("vanished"));
        QVERIFY(!hashByKey.contains(QStringLiteral("Menu|Extras|Label")));
        // The kind is part of the key: "Exit?" is a message, which nobody translated yet.
        QCOMPARE(hashByKey.value(QStringLiteral("Global|Exit?|Message")).strType,
                 QStringLiteral("unfinished"));
        QCOMPARE(hashByKey.value(QStringLiteral("Menu|Language|Label")).strType,
                 QStringLiteral("unfinished"));

        // Merging the result again changes nothing.
        QCOMPARE(runTsGen({QStringLiteral("-m"), strNew}), 0);
        QCOMPARE(readFile(strNew), baNew);
    }

    void mergeRefusesDamagedSource_data()
    {
        QTest::addColumn<QByteArray>("baContent");
        QTest::newRow("truncated") << QByteArray("<?xml version=\"1.0\"?>\n<TS version=\"2.1\">"
                                                 "<context><name>Menu</name><message><source>MA");
        QTest::newRow("not a source") << QByteArray("<?xml version=\"1.0\"?>\n<html></html>\n");
        QTest::newRow("empty") << QByteArray();
    }

    void mergeRefusesDamagedSource()
    {
        QFETCH(QByteArray, baContent);
        const QString strDamaged = m_oTempDir.filePath(QStringLiteral("damaged.ts"));
        QVERIFY(writeFile(strDamaged, baContent));
        QCOMPARE(runTsGen({QStringLiteral("-m"), strDamaged}), 1);
        QVERIFY2(m_strToolErrors.contains(QStringLiteral("nothing written")),
                 qPrintable(m_strToolErrors));
        QCOMPARE(readFile(strDamaged), baContent);
    }

    void germanSourceIsUpToDate()
    {
        // A regeneration of the committed source must not change it: every token is in it and
        // nothing stale is left.
        const QString strCommitted =
            QFINDTESTDATA("../../../translations/KestraToolkit_de_DE.ts");
        QVERIFY(!strCommitted.isEmpty());
        const QString strMerged = m_oTempDir.filePath(QStringLiteral("de_DE.ts"));
        QCOMPARE(runTsGen({QStringLiteral("-m"), strCommitted, QStringLiteral("-o"), strMerged}),
                 0);
        QVERIFY2(readFile(strMerged) == readFile(strCommitted),
                 "translations/KestraToolkit_de_DE.ts differs from a regeneration");
        for (const TsMessageS& rMessage : readTs(strMerged)) {
            QVERIFY2(rMessage.strType.isEmpty(), qPrintable(rMessage.strSource));
        }
    }

    // Every token has exactly one name in the generated header, and the names are what code uses.
    void namedTokens()
    {
        static_assert(V40::LNG::TK::Global_DataStored == 15, "named after its text");
        QCOMPARE(V40::LNG::getTextToken(V40::LNG::TK::Menu_MAINMENU), QStringLiteral("MAIN MENU"));
        QFile oHeader(KestraTest::binDir() + "/../generated/V40_LNG_TokenNames.h");
        QVERIFY(oHeader.open(QIODevice::ReadOnly));
        const QString strHeader = QString::fromUtf8(oHeader.readAll());
        QSet<QString> setNames;
        QList<int> lstTokens;
        QRegularExpressionMatchIterator itLine =
            QRegularExpression(QStringLiteral("constexpr int ([A-Za-z_][A-Za-z0-9_]*) = ([0-9]+);")).globalMatch(strHeader);
        while (itLine.hasNext()) {
            const QRegularExpressionMatch oMatch = itLine.next();
            QVERIFY2(!setNames.contains(oMatch.captured(1)), qPrintable(oMatch.captured(1)));
            setNames.insert(oMatch.captured(1));
            lstTokens << oMatch.captured(2).toInt();
        }
        QCOMPARE(lstTokens, V40::LNG::textTokens().keys());
    }
};

KESTRA_TEST_MAIN(TextTokensTest)
#include "tst_V40_LNG_TextTokens.moc"
