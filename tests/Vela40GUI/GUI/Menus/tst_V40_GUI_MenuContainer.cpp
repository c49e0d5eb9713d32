// The menu tree driven by keys: icon and text pages, shortcuts and function keys, Escape up the
// tree, running applications and coming back, a language change, and how the pages look.
#include "KestraTest.h"

#include "GuiKeyDriver.h"

#include "V40_GUI_ApplicationMenuComponent.h"
#include "V40_GUI_IconMenuItemWidget.h"
#include "V40_GUI_MenuContainer.h"
#include "V40_GUI_TabPanel.h"
#include "V40_GUI_TextMenuContainerPaintDelegate.h"
#include "V40_GUI_TextMenuItemWidget.h"

#include <QDir>
#include <QSignalSpy>
#include <QTranslator>

using namespace GuiKeyDriver;
using V40::GUI::AbstractMenuItemWidgetC;
using V40::GUI::ApplicationMenuComponentC;
using V40::GUI::MenuContainerC;

namespace {

enum
{
    ICON = 0,
    TEXT = 1
};

// Tokens of the toolkit's own menu.
enum
{
    TOKEN_MAIN_MENU = 178, TOKEN_LEVEL, TOKEN_SYSINFO, TOKEN_SETTINGS_TITLE, TOKEN_SETTINGS, TOKEN_APPS_TITLE,
    TOKEN_APPS, TOKEN_UNIT, TOKEN_DATETIME, TOKEN_COMM, TOKEN_ATMOS, TOKEN_UPDATE_TITLE, TOKEN_UPDATE,
    TOKEN_CALIB_TITLE, TOKEN_CALIB, TOKEN_FORMAT_TITLE, TOKEN_FORMAT, TOKEN_FIRMWARE, TOKEN_LANGUAGE,
    TOKEN_CALIBRATE_ALL = 198, TOKEN_CALIBRATE_WITHOUT, TOKEN_VIEW_ADJUSTMENT, TOKEN_FORMAT_SYSTEM, TOKEN_FORMAT_SD
};

QString text(int iToken)
{
    return V40::LNG::getTextToken(iToken);
}

ApplicationMenuComponentC* application(const QString& strName, QStringList* pLog, int iToken,
                                       const QString& strIcon = QString(), V40::GUI::AbstractMenuComponentC* pNext = nullptr,
                                       bool bWait = true, bool bSuccess = true)
{
    return new ApplicationMenuComponentC(new TestApplicationC(strName, pLog, bWait, bSuccess), iToken, strIcon, pNext);
}

// The entries of the page that is on the screen.
QList<AbstractMenuItemWidgetC*> shownItems(MenuContainerC* pMenu)
{
    QList<AbstractMenuItemWidgetC*> listItems;
    if (!pMenu->presentation())
        return listItems;
    const QList<AbstractMenuItemWidgetC*> listAll = pMenu->presentation()->itemWidgets();
    for (AbstractMenuItemWidgetC* pItem : listAll) {
        if (pItem->isVisible())
            listItems << pItem;
    }
    return listItems;
}

QStringList captions(const QList<AbstractMenuItemWidgetC*>& rlistItems)
{
    QStringList listCaptions;
    for (const AbstractMenuItemWidgetC* pItem : rlistItems)
        listCaptions << pItem->caption();
    return listCaptions;
}

void saveScreenshot(const QString& strName)
{
    const QString strDir = QCoreApplication::applicationDirPath() + "/screenshots";
    QDir().mkpath(strDir);
    // Let the window lay out what was just shown.
    QCoreApplication::processEvents();
    const QImage oImage = mainWindow()->grab().toImage();
    QCOMPARE(oImage.size(), QSize(640, 480));
    QVERIFY(oImage.save(strDir + "/" + strName + ".png"));
}

} // namespace

class MenuContainerTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpFrame();
        KestraTest::clearReports();
        m_listLog.clear();
    }

    void cleanup()
    {
        delete m_pRoot.data();
        tearDownFrame();
    }

    void iconMenuKeepsSixTiles()
    {
        m_pRoot = new MenuContainerC(ICON, TOKEN_MAIN_MENU, 0, QString());
        for (int iApp = 1; iApp <= 7; ++iApp)
            m_pRoot->addComponent(application(QString("App %1").arg(iApp), &m_listLog, TOKEN_LEVEL, {}, nullptr, false));
        m_pRoot->onSelected();

        const QList<AbstractMenuItemWidgetC*> listItems = shownItems(m_pRoot);
        QCOMPARE(listItems.size(), 6);
        for (int iItem = 0; iItem < listItems.size(); ++iItem) {
            QCOMPARE(listItems[iItem]->localIndex(), iItem + 1);
            QCOMPARE(listItems[iItem]->shortcutKeys(), QList<int> {Qt::Key_1 + iItem});
            QCOMPARE(static_cast<V40::GUI::IconMenuItemWidgetC*>(listItems[iItem])->indexLabel(), QString::number(iItem + 1));
        }
        QCOMPARE(KestraTest::assertTexts(), QStringList {"Cannot add further element."});
        QCOMPARE(title(), text(TOKEN_MAIN_MENU));
        QVERIFY(enabledFunctionKeys().isEmpty());

        // Digits select their tile; the seventh entry has none.
        pressKey(Qt::Key_6);
        pressKey(Qt::Key_7);
        pressKey(Qt::Key_2);
        // A touch on a tile selects it too.
        QTest::mouseClick(listItems[2], Qt::LeftButton);
        QCOMPARE(m_listLog, (QStringList {"App 6", "App 2", "App 3"}));
        QVERIFY(listItems[2]->hasFocus());
    }

    void iconArrowsMoveBetweenNeighbours()
    {
        m_pRoot = new MenuContainerC(ICON, TOKEN_MAIN_MENU, 0, QString());
        for (int iApp = 1; iApp <= 5; ++iApp)
            m_pRoot->addComponent(application(QString("App %1").arg(iApp), &m_listLog, TOKEN_LEVEL));
        m_pRoot->onSelected();
        const QList<AbstractMenuItemWidgetC*> listItems = shownItems(m_pRoot);
        QVERIFY(KestraTest::waitFor([&] { return listItems[0]->hasFocus(); }));

        // Down and up stay in the column (nothing below the third tile); left and right follow
        // the focus chain.
        const QList<QPair<int, int>> listMoves {{Qt::Key_Down, 3}, {Qt::Key_Right, 4}, {Qt::Key_Up, 1},
                                                {Qt::Key_Right, 2}, {Qt::Key_Down, 2}, {Qt::Key_Left, 1},
                                                {Qt::Key_Left, 0}, {Qt::Key_Left, 4}};
        for (const auto& rMove : listMoves) {
            pressKey(rMove.first);
            QVERIFY2(listItems[rMove.second]->hasFocus(), qPrintable(QString("key %1").arg(rMove.first, 0, 16)));
        }
        // Enter starts the tile that has the focus.
        KeyScript oScript;
        oScript.key(Qt::Key_Return).key(Qt::Key_F6);
        QVERIFY(oScript.run());
        QCOMPARE(m_listLog, QStringList {"App 5"});
        QCOMPARE(title(), text(TOKEN_MAIN_MENU));
        QVERIFY(KestraTest::waitFor([&] { return listItems[4]->hasFocus(); }));
    }

    void textMenuPages()
    {
        m_pRoot = new MenuContainerC(TEXT, TOKEN_CALIB_TITLE, 0, QString());
        const QStringList listNames {"One", "Two", "Three", "Four", "Five", "Six"};
        for (const QString& strName : listNames)
            m_pRoot->addComponent(application(strName, &m_listLog, TOKEN_CALIBRATE_ALL, {}, nullptr, false));
        m_pRoot->onSelected();

        auto* pDelegate = qobject_cast<V40::GUI::TextMenuContainerPaintDelegateC*>(m_pRoot->presentation());
        QVERIFY(pDelegate && pDelegate->tabPanel());
        QCOMPARE(pDelegate->tabPanel()->count(), 2);
        const QList<AbstractMenuItemWidgetC*> listAll = pDelegate->itemWidgets();
        QCOMPARE(listAll.size(), 6);
        for (int iItem = 0; iItem < 6; ++iItem) {
            QCOMPARE(listAll[iItem]->globalIndex(), iItem + 1);
            QCOMPARE(listAll[iItem]->localIndex(), iItem % 4 + 1);
            QList<int> listKeys = listAll[iItem]->shortcutKeys();
            std::sort(listKeys.begin(), listKeys.end());
            QCOMPARE(listKeys, (QList<int> {Qt::Key_1 + iItem, Qt::Key_F1 + iItem % 4}));
        }
        QCOMPARE(shownItems(m_pRoot), listAll.mid(0, 4));
        QCOMPARE(enabledFunctionKeys(), (QList<int> {Qt::Key_F1, Qt::Key_F2, Qt::Key_F3, Qt::Key_F4}));

        // Every entry of the first page answers its function key and its digit.
        for (int iItem = 0; iItem < 4; ++iItem) {
            pressKey(Qt::Key_F1 + iItem);
            pressKey(Qt::Key_1 + iItem);
        }
        // The second page: Right turns to it; its lines answer F1/F2 and 5/6.
        pressKey(Qt::Key_Right);
        QCOMPARE(shownItems(m_pRoot), listAll.mid(4, 2));
        QCOMPARE(enabledFunctionKeys(), (QList<int> {Qt::Key_F1, Qt::Key_F2}));
        pressKey(Qt::Key_F1);
        pressKey(Qt::Key_5);
        pressKey(Qt::Key_F2);
        pressKey(Qt::Key_6);
        // Function keys of lines the page does not have do nothing.
        pressKey(Qt::Key_F3);
        // The buttons of the function-key bar select like their keys.
        QTest::mouseClick(mainWindow()->functionKeyBar()->button(Qt::Key_F2), Qt::LeftButton);
        QCOMPARE(m_listLog, (QStringList {"One", "One", "Two", "Two", "Three", "Three", "Four", "Four", "Five",
                                          "Five", "Six", "Six", "Six"}));
        QCOMPARE(title(), text(TOKEN_CALIB_TITLE));
        // Left turns back (and wraps around).
        pressKey(Qt::Key_Left);
        QCOMPARE(shownItems(m_pRoot), listAll.mid(0, 4));
        QVERIFY(KestraTest::assertTexts().isEmpty());
        saveScreenshot("TextMenu");
    }

    void applicationResultPicksWhatComesNext_data()
    {
        QTest::addColumn<bool>("bCanStart");
        QTest::addColumn<int>("iKey");
        QTest::addColumn<bool>("bWithNext");
        QTest::addColumn<int>("iExpectedTitle");
        QTest::addColumn<int>("iExpectedRuns");

        QTest::newRow("success, next") << true << int(Qt::Key_F6) << true << int(TOKEN_MAIN_MENU) << 1;
        QTest::newRow("success, no next") << true << int(Qt::Key_F6) << false << int(TOKEN_UPDATE_TITLE) << 1;
        QTest::newRow("non-zero, next") << true << int(Qt::Key_Escape) << true << int(TOKEN_UPDATE_TITLE) << 1;
        QTest::newRow("non-zero, no next") << true << int(Qt::Key_Escape) << false << int(TOKEN_UPDATE_TITLE) << 1;
        QTest::newRow("cannot start, next") << false << 0 << true << int(TOKEN_MAIN_MENU) << 0;
        QTest::newRow("cannot start, no next") << false << 0 << false << int(TOKEN_UPDATE_TITLE) << 0;
    }

    void applicationResultPicksWhatComesNext()
    {
        QFETCH(bool, bCanStart);
        QFETCH(int, iKey);
        QFETCH(bool, bWithNext);
        QFETCH(int, iExpectedTitle);
        QFETCH(int, iExpectedRuns);

        m_pRoot = new MenuContainerC(ICON, TOKEN_MAIN_MENU, 0, QString());
        MenuContainerC* pUpdate = m_pRoot->addComponent(new MenuContainerC(TEXT, TOKEN_UPDATE_TITLE, TOKEN_UPDATE, QString()));
        ApplicationMenuComponentC* pApp = application("Firmware", &m_listLog, TOKEN_FIRMWARE, {}, bWithNext ? m_pRoot.data() : nullptr);
        static_cast<TestApplicationC*>(pApp->application())->m_fnCanStart = [bCanStart] { return bCanStart; };
        pUpdate->addComponent(pApp);
        pUpdate->onSelected();

        KeyScript oScript;
        oScript.key(Qt::Key_F1);
        if (iKey)
            oScript.key(iKey);
        QVERIFY(oScript.run());
        QCOMPARE(m_listLog.size(), iExpectedRuns);
        QCOMPARE(title(), text(iExpectedTitle));
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

    void entryOutsideAnyMenuRunsAgain()
    {
        // Misconfigured: no menu and no next component. It is reported each time and run again
        // while it can start.
        ApplicationMenuComponentC oOrphan(new TestApplicationC("Orphan", &m_listLog), TOKEN_LEVEL, QString(), nullptr);
        static_cast<TestApplicationC*>(oOrphan.application())->m_fnCanStart = [this] { return m_listLog.size() < 3; };
        KeyScript oScript;
        oScript.key(Qt::Key_F6).key(Qt::Key_Escape).key(Qt::Key_F6);
        oScript.start();
        oOrphan.onSelected();
        QVERIFY(oScript.waitUntilDone());
        QCOMPARE(m_listLog, (QStringList {"Orphan", "Orphan", "Orphan"}));
        QCOMPARE(KestraTest::assertTexts(), (QStringList {"0 != pNextComponent", "0 != pNextComponent", "0 != pNextComponent"}));
    }

    void unknownMenuTypeShowsNothing()
    {
        m_pRoot = new MenuContainerC(7, TOKEN_MAIN_MENU, 0, QString());
        m_pRoot->addComponent(application("Level", &m_listLog, TOKEN_LEVEL));
        m_pRoot->onSelected();
        QVERIFY(!m_pRoot->presentation());
        QCOMPARE(KestraTest::assertTexts(), QStringList {"Unknown menu type."});
        QCOMPARE(title(), text(TOKEN_MAIN_MENU));
    }

    // The tree as the toolkit's main controller builds it, walked with keys only; with the pages
    // of the submenus built in advance, nothing of it may change.
    void wholeTreeByKeys_data()
    {
        QTest::addColumn<bool>("bPrepared");
        QTest::newRow("built when opened") << false;
        QTest::newRow("built in advance") << true;
    }

    void wholeTreeByKeys()
    {
        QFETCH(bool, bPrepared);
        buildToolkitTree();
        QSignalSpy oEscape(m_pRoot.data(), SIGNAL(escape()));
        m_pRoot->onSelected();
        QPointer<QWidget> pSettingsPage;
        if (bPrepared) {
            m_pRoot->prepareSubmenus();
            // Hidden in the window, and the main menu keeps the keyboard.
            pSettingsPage = menu(2)->presentation()->contentWidget();
            QCOMPARE(pSettingsPage->parentWidget(), static_cast<QWidget*>(mainWindow()));
            QVERIFY(!pSettingsPage->isVisible());
            QVERIFY(shownItems(m_pRoot).value(0)->hasFocus());
            QVERIFY(menu(3)->presentation());
        }
        QCOMPARE(captions(shownItems(m_pRoot)), (QStringList {text(TOKEN_LEVEL), text(TOKEN_SYSINFO), text(TOKEN_SETTINGS), text(TOKEN_APPS)}));
        if (!bPrepared)
            saveScreenshot("IconMenu");

        QStringList listTitles;
        auto record = [&] { listTitles << title(); };
        KeyScript oScript;
        oScript.key(Qt::Key_1).call(record).key(Qt::Key_F6).call(record)         // Level, back to the root
            .key(Qt::Key_3).call(record)                                         // Settings
            .key(Qt::Key_4).call(record).key(Qt::Key_Escape).call(record)        // Atmos., left with Escape
            .key(Qt::Key_Escape).call(record)                                    // root
            .key(Qt::Key_4).key(Qt::Key_2).call(record)                          // Apps, Calibration
            .key(Qt::Key_F3).call(record).key(Qt::Key_F6).call(record)           // View Adjustment Data
            .key(Qt::Key_2).call(record).key(Qt::Key_F6).call(record)            // Calibrate without, to the root
            .key(Qt::Key_4).key(Qt::Key_1).key(Qt::Key_F2).call(record)          // Apps, Update, Language
            .key(Qt::Key_Escape).call(record)                                    // fails: back to Update
            .key(Qt::Key_Escape).key(Qt::Key_3).key(Qt::Key_2).key(Qt::Key_F6)   // Format, SD Card
            .call(record)
            .key(Qt::Key_Escape).key(Qt::Key_Escape).call(record).key(Qt::Key_Escape);
        QVERIFY(oScript.run(20000));

        QCOMPARE(listTitles, (QStringList {"Level", text(TOKEN_MAIN_MENU), text(TOKEN_SETTINGS_TITLE), "Atmos.",
                                           text(TOKEN_SETTINGS_TITLE), text(TOKEN_MAIN_MENU), text(TOKEN_CALIB_TITLE),
                                           "View", text(TOKEN_CALIB_TITLE), "Without", text(TOKEN_MAIN_MENU), "Language",
                                           text(TOKEN_UPDATE_TITLE), text(TOKEN_FORMAT_TITLE), text(TOKEN_MAIN_MENU)}));
        QCOMPARE(m_listLog, (QStringList {"Level", "Atmos.", "View", "Without", "Language", "SD Card"}));
        QCOMPARE(oEscape.count(), 1);
        QVERIFY(KestraTest::assertTexts().isEmpty());
        // The page built in advance is the one that was shown.
        if (bPrepared)
            QCOMPARE(menu(2)->presentation()->contentWidget(), pSettingsPage.data());
    }

    void languageChangeRebuildsWhenShownAgain()
    {
        buildToolkitTree();
        m_pRoot->onSelected();
        pressKey(Qt::Key_3);
        QCOMPARE(title(), QString("SETTINGS"));

        // The language changes while an application of the settings menu runs.
        QTranslator oTranslator;
        QVERIFY(oTranslator.load(KestraTest::binDir() + "/KestraToolkit_de_DE.qm"));
        KeyScript oScript;
        oScript.call([&] {
                QCoreApplication::installTranslator(&oTranslator);
                m_pRoot->onLanguageChanged();
            })
            .key(Qt::Key_F6);
        oScript.start();
        pressKey(Qt::Key_1);
        QVERIFY(oScript.waitUntilDone());

        // Back in the settings menu, rebuilt with the new texts; the root, not shown yet, keeps
        // its old ones until it is shown again.
        QCOMPARE(title(), QString::fromUtf8("EINSTELLUNGEN"));
        QCOMPARE(captions(shownItems(menu(2))).value(0), QString("Einheiten"));
        QCOMPARE(captions(m_pRoot->presentation()->itemWidgets()).value(2), QString("Settings"));
        pressKey(Qt::Key_Escape);
        QCOMPARE(title(), QString::fromUtf8("HAUPTMENÜ"));
        QCOMPARE(captions(shownItems(m_pRoot)).value(2), QString("Einstell."));
        // Shortcuts were rebuilt with the page: the digits still select.
        pressKey(Qt::Key_4);
        QCOMPARE(title(), text(TOKEN_APPS_TITLE));

        // The controller's refresh shows the new texts at once on the page in front.
        QCoreApplication::removeTranslator(&oTranslator);
        m_pRoot->retranslate();
        QCOMPARE(title(), QString("APPS"));
        QCOMPARE(captions(shownItems(menu(3))).value(0), QString("Update"));
        QCOMPARE(m_listLog, QStringList {"Unit"});
        QVERIFY(KestraTest::assertTexts().isEmpty());
    }

private:
    // The sub-menu at iIndex of the root.
    MenuContainerC* menu(int iIndex) const
    {
        MenuContainerC* pMenu = qobject_cast<MenuContainerC*>(m_pRoot->components().value(iIndex));
        Q_ASSERT(pMenu);
        return pMenu;
    }

    void buildToolkitTree()
    {
        QStringList* pLog = &m_listLog;
        m_pRoot = new MenuContainerC(ICON, TOKEN_MAIN_MENU, 0, QString());
        MenuContainerC* pRoot = m_pRoot;
        pRoot->addComponent(application("Level", pLog, TOKEN_LEVEL, ":/Images/level.png"));
        pRoot->addComponent(application("Sysinfo", pLog, TOKEN_SYSINFO, ":/Images/sysinfo.png"));
        MenuContainerC* pSettings = pRoot->addComponent(new MenuContainerC(ICON, TOKEN_SETTINGS_TITLE, TOKEN_SETTINGS, ":/Images/settings.png"));
        pSettings->addComponent(application("Unit", pLog, TOKEN_UNIT, ":/Images/general.png"));
        pSettings->addComponent(application("Date/Time", pLog, TOKEN_DATETIME, ":/Images/datetime.png"));
        pSettings->addComponent(application("Comm.", pLog, TOKEN_COMM, ":/Images/communication.png"));
        pSettings->addComponent(application("Atmos.", pLog, TOKEN_ATMOS, ":/Images/atmos.png"));
        MenuContainerC* pApps = pRoot->addComponent(new MenuContainerC(ICON, TOKEN_APPS_TITLE, TOKEN_APPS, ":/Images/apps.png"));
        MenuContainerC* pUpdate = pApps->addComponent(new MenuContainerC(TEXT, TOKEN_UPDATE_TITLE, TOKEN_UPDATE, ":/Images/update.png"));
        pUpdate->addComponent(application("Firmware", pLog, TOKEN_FIRMWARE, {}, pRoot));
        pUpdate->addComponent(application("Language", pLog, TOKEN_LANGUAGE, {}, pRoot));
        MenuContainerC* pCalib = pApps->addComponent(new MenuContainerC(TEXT, TOKEN_CALIB_TITLE, TOKEN_CALIB, ":/Images/calib.png"));
        pCalib->addComponent(application("All", pLog, TOKEN_CALIBRATE_ALL, {}, pRoot));
        pCalib->addComponent(application("Without", pLog, TOKEN_CALIBRATE_WITHOUT, {}, pRoot));
        pCalib->addComponent(application("View", pLog, TOKEN_VIEW_ADJUSTMENT));
        MenuContainerC* pFormat = pApps->addComponent(new MenuContainerC(TEXT, TOKEN_FORMAT_TITLE, TOKEN_FORMAT, ":/Images/format.png"));
        pFormat->addComponent(application("System", pLog, TOKEN_FORMAT_SYSTEM));
        pFormat->addComponent(application("SD Card", pLog, TOKEN_FORMAT_SD));
    }

    QPointer<MenuContainerC> m_pRoot;
    QStringList m_listLog;
};

KESTRA_TEST_MAIN(MenuContainerTest)
#include "tst_V40_GUI_MenuContainer.moc"
