// Message panels answered with function keys, Escape or a time-out, as the operator sees them.
#include "KestraTest.h"

#include "GuiKeyDriver.h"

#include "V40_GUI_MessagePanel.h"

#include <QDir>
#include <QElapsedTimer>
#include <QRegularExpression>
#include <QScopeGuard>
#include <QTranslator>

using namespace GuiKeyDriver;
using V40::GUI::MessagePanelC;

Q_DECLARE_METATYPE(QList<int>)

namespace {

// A message as an application builds it: the texts of the tokens one after the other, each
// placeholder filled with a mark, or with long values (a file name without spaces, numbers).
QString composedMessage(const QList<int>& lstTokens, bool bLongValues)
{
    const QStringList lstValues = bLongValues
        ? QStringList{"KestraToolkit_Firmware_V2.13.0045_Release.bin", "-123.4567", "SD Card", "400.0000"}
        : QStringList{QString(QChar(0xB1)), QString(QChar(0xB0)), QString(QChar(0xB1)), QString(QChar(0xB0))};
    QString strMessage;
    for (int iToken : lstTokens)
        strMessage += V40::LNG::getTextToken(iToken);
    for (int i = 0; i < lstValues.size(); ++i)
        strMessage.replace(QStringLiteral("%%1").arg(i + 1), lstValues.at(i));
    return strMessage;
}

// What translators are asked to keep to (translations/README.md): at most 36 characters a line;
// and what the page holds in the full font: 9 lines.
bool keepsToTheLineRules(const QString& strMessage)
{
    const QStringList lstLines = strMessage.split('\n');
    for (const QString& strLine : lstLines) {
        if (strLine.size() > 36)
            return false;
    }
    return lstLines.size() <= 9;
}

QString withoutSpace(QString strText)
{
    return strText.remove(QRegularExpression(QStringLiteral("\\s")));
}

} // namespace

class MessagePanelTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpFrame();
        KestraTest::clearReports();
        mainWindow()->titleBar()->setTitle("Before");
    }

    void cleanup() { tearDownFrame(); }

    void answers_data()
    {
        QTest::addColumn<int>("iButtonSet");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iExpected");
        QTest::addColumn<QList<int>>("listKeys");
        QTest::addColumn<QStringList>("listLabels");

        const QList<int> listF6 {Qt::Key_F6};
        const QList<int> listF1F6 {Qt::Key_F1, Qt::Key_F6};
        QTest::newRow("OK by F6") << 1 << int(Qt::Key_F6) << 1 << listF6 << QStringList {"OK"};
        QTest::newRow("OK by Escape") << 1 << int(Qt::Key_Escape) << 1 << listF6 << QStringList {"OK"};
        QTest::newRow("OK/CANCEL by F6") << 2 << int(Qt::Key_F6) << 1 << listF1F6 << QStringList {"CANCEL", "OK"};
        QTest::newRow("OK/CANCEL by Escape") << 2 << int(Qt::Key_Escape) << 2 << listF1F6 << QStringList {"CANCEL", "OK"};
        QTest::newRow("YES/NO by F6") << 5 << int(Qt::Key_F6) << 6 << listF1F6 << QStringList {"NO", "YES"};
        QTest::newRow("YES/NO by F1") << 5 << int(Qt::Key_F1) << 7 << listF1F6 << QStringList {"NO", "YES"};
        QTest::newRow("YES/NO by Escape") << 5 << int(Qt::Key_Escape) << 7 << listF1F6 << QStringList {"NO", "YES"};
        QTest::newRow("RETRY/CANCEL by F1") << 6 << int(Qt::Key_F1) << 2 << listF1F6 << QStringList {"CANCEL", "RETRY"};
        QTest::newRow("RETRY/CANCEL by F6") << 6 << int(Qt::Key_F6) << 4 << listF1F6 << QStringList {"CANCEL", "RETRY"};
        QTest::newRow("RETRY/CANCEL by Escape") << 6 << int(Qt::Key_Escape) << 2 << listF1F6 << QStringList {"CANCEL", "RETRY"};
    }

    void answers()
    {
        QFETCH(int, iButtonSet);
        QFETCH(int, iKey);
        QFETCH(int, iExpected);
        QFETCH(QList<int>, listKeys);
        QFETCH(QStringList, listLabels);

        // A key the set does not use must not answer.
        const int iUnusedKey = Qt::Key_F3;
        QList<int> listShownKeys;
        QStringList listShownLabels;
        QString strShownTitle;
        KeyScript oScript;
        oScript
            .call([&] {
                listShownKeys = enabledFunctionKeys();
                for (int iShownKey : qAsConst(listShownKeys))
                    listShownLabels << mainWindow()->functionKeyBar()->button(iShownKey)->text();
                strShownTitle = title();
            })
            .key(iUnusedKey)
            .key(iKey);

        int iResult = -1;
        oScript.start();
        MessagePanelC oPanel("Question", "Proceed?", iButtonSet, 0, 0);
        iResult = oPanel.exec();
        QVERIFY(oScript.waitUntilDone());

        QCOMPARE(iResult, iExpected);
        QCOMPARE(listShownKeys, listKeys);
        QCOMPARE(listShownLabels, listLabels);
        QCOMPARE(strShownTitle, QString("Question"));
        QCOMPARE(title(), QString("Before"));
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void timeOutEndsUndefinedSets_data()
    {
        QTest::addColumn<int>("iButtonSet");
        QTest::addColumn<QString>("strReport");
        QTest::newRow("set 3") << 3 << "Currently undefined.";
        QTest::newRow("set 4") << 4 << "Currently undefined.";
        QTest::newRow("set 9") << 9 << "MessageButton currently undefined.";
        QTest::newRow("set 5, no answer") << 5 << QString();
    }

    void timeOutEndsUndefinedSets()
    {
        QFETCH(int, iButtonSet);
        QFETCH(QString, strReport);

        bool bWaitingEarly = false;
        bool bBarHidden = false;
        QElapsedTimer oTimer;
        oTimer.start();
        MessagePanelC oPanel("Wait", "Time-out", iButtonSet, 1, 2);
        // Half-way through the time-out the message still waits.
        QTimer::singleShot(500, [&] {
            bWaitingEarly = mainWindow()->contentBar() == &oPanel && oPanel.isVisible();
            bBarHidden = mainWindow()->functionKeyBar()->isHidden();
        });
        QCOMPARE(oPanel.exec(), 2);
        QVERIFY(oTimer.elapsed() < 10000);
        QVERIFY(bWaitingEarly);
        QCOMPARE(bBarHidden, !strReport.isEmpty());
        QCOMPARE(KestraTest::assertTexts(), strReport.isEmpty() ? QStringList() : QStringList {strReport});
        QCOMPARE(title(), QString("Before"));
    }

    void convenienceTitles()
    {
        // One script answers the three messages one after the other.
        QStringList listTitles;
        auto record = [&] { listTitles << title(); };
        KeyScript oScript;
        oScript.call(record).key(Qt::Key_F6).call(record).key(Qt::Key_Escape).call(record).call([] {
            // A touch on the frame's button answers like its key.
            QTest::mouseClick(mainWindow()->functionKeyBar()->button(Qt::Key_F1), Qt::LeftButton);
        });
        oScript.start();
        QCOMPARE(MessagePanelC::information("Data stored ..."), 1);
        QCOMPARE(MessagePanelC::warning("Exit?", 5), 7);
        QCOMPARE(MessagePanelC::error("Failed", 6), 2);
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(listTitles, (QStringList {"Information", "Warning", "Error"}));
        QCOMPARE(title(), QString("Before"));
    }

    void everyMessageFits_data()
    {
        if (V40::LNG::textTokens().isEmpty())
            V40::LNG::initTextTokens();
        QTest::addColumn<QString>("strLanguage");
        QTest::addColumn<bool>("bLongValues");
        QTest::addColumn<QList<int>>("lstTokens");
        QList<QList<int>> lstMessages;
        const QMap<int, V40::LNG::TextTokenC>& rTokens = V40::LNG::textTokens();
        for (auto it = rTokens.cbegin(); it != rTokens.cend(); ++it) {
            if (it.value().m_strKind == QLatin1String("Message"))
                lstMessages << QList<int>{it.key()};
        }
        QVERIFY(lstMessages.size() > 50);
        // Texts that are appended to others.
        lstMessages << QList<int>{37, 38} << QList<int>{37, 39} << QList<int>{37, 40} << QList<int>{175, 177}
                    << QList<int>{134, 135} << QList<int>{134, 136, 138} << QList<int>{134, 137, 139};
        const QList<QPair<QString, bool>> lstVariants{
            {"en_US", false}, {"de_DE", false}, {"en_US", true}};
        for (const QPair<QString, bool>& rVariant : lstVariants) {
            for (const QList<int>& lstTokens : qAsConst(lstMessages)) {
                QStringList lstNames;
                for (int iToken : lstTokens)
                    lstNames << QString::number(iToken);
                QTest::newRow(qPrintable(rVariant.first + (rVariant.second ? " long values " : " ")
                                         + lstNames.join('+')))
                    << rVariant.first << rVariant.second << lstTokens;
            }
        }
    }

    // Every message is shown whole in the panel, with the function-key bar taking its room: no
    // line wider than the panel, nothing cut at the top or bottom.
    void everyMessageFits()
    {
        QFETCH(QString, strLanguage);
        QFETCH(bool, bLongValues);
        QFETCH(QList<int>, lstTokens);
        QTranslator oTranslator;
        if (strLanguage != QLatin1String("en_US")) {
            QVERIFY(oTranslator.load(KestraTest::binDir() + "/KestraToolkit_" + strLanguage + ".qm"));
            QCoreApplication::installTranslator(&oTranslator);
        }
        const auto oRemove = qScopeGuard([&] { QCoreApplication::removeTranslator(&oTranslator); });
        const QString strMessage = composedMessage(lstTokens, bLongValues);

        QRect oPanelRect;
        QRect oLabelRect;
        QRect oBarRect;
        QFont oFont;
        int iFlags = 0;
        QRect oBox;
        QString strShown;
        KeyScript oScript;
        oScript
            .call([&] {
                QWidget* pPanel = mainWindow()->contentBar();
                QLabel* pLabel = pPanel ? pPanel->findChild<QLabel*>() : nullptr;
                if (!pLabel || !pLabel->isVisible())
                    return;
                oPanelRect = QRect(pPanel->mapTo(mainWindow(), QPoint()), pPanel->size());
                oLabelRect = QRect(pLabel->mapTo(mainWindow(), QPoint()), pLabel->size());
                oBarRect = mainWindow()->functionKeyBar()->geometry();
                oFont = pLabel->font();
                iFlags = int(pLabel->alignment()) | (pLabel->wordWrap() ? int(Qt::TextWordWrap) : 0);
                oBox = pLabel->contentsRect();
                strShown = pLabel->text();
            })
            .key(Qt::Key_F6);
        oScript.start();
        QCOMPARE(MessagePanelC::information(strMessage), 1);
        QVERIFY(oScript.waitUntilDone());

        QVERIFY2(!strShown.isEmpty(), "no message label shown");
        QVERIFY(mainWindow()->rect().contains(oPanelRect));
        QVERIFY(oPanelRect.bottom() < oBarRect.top());
        QVERIFY(oPanelRect.contains(oLabelRect));
        // Legible, the same on every host, and smaller than the look's 22 points only where needed.
        QVERIFY(oFont.pixelSize() >= 16);
        if (keepsToTheLineRules(strMessage))
            QCOMPARE(oFont.pixelSize(), 29);
        // What the label paints (QLabel draws its text with these flags) lies inside it.
        const QRect oNeeded = QFontMetrics(oFont).boundingRect(oBox, iFlags, strShown);
        QVERIFY2(oBox.contains(oNeeded), qPrintable(QStringLiteral("%1x%2 needed in %3x%4 at %5 px:\n%6")
                                                       .arg(oNeeded.width()).arg(oNeeded.height())
                                                       .arg(oBox.width()).arg(oBox.height())
                                                       .arg(oFont.pixelSize()).arg(strShown)));
        // Only line breaks were added.
        QCOMPARE(withoutSpace(strShown), withoutSpace(strMessage));
    }

    void screenshot()
    {
        QImage oImage;
        KeyScript oScript;
        oScript.call([&] { oImage = mainWindow()->grab().toImage(); }).key(Qt::Key_F6);
        oScript.start();
        MessagePanelC::information(V40::LNG::getTextToken(18), 5);
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(oImage.size(), QSize(640, 480));
        const QString strDir = QCoreApplication::applicationDirPath() + "/screenshots";
        QDir().mkpath(strDir);
        QVERIFY(oImage.save(strDir + "/MessagePanel.png"));
    }
};

KESTRA_TEST_MAIN(MessagePanelTest)
#include "tst_V40_GUI_MessagePanel.moc"
