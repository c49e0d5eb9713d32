// Message panels answered with function keys, Escape or a time-out, as the operator sees them.
#include "KestraTest.h"

#include "GuiKeyDriver.h"

#include "V40_GUI_MessagePanel.h"

#include <QDir>
#include <QElapsedTimer>

using namespace GuiKeyDriver;
using V40::GUI::MessagePanelC;

Q_DECLARE_METATYPE(QList<int>)

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
