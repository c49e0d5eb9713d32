// The frame of the screen: layout and look, keys from frame buttons and closing, the Alt key,
// content pages and their shortcuts.
#include "KestraTest.h"

#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_ExitButton.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_FunctionKeyButton.h"
#include "V40_GUI_IconBar.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_TitleBar.h"
#include "V40_GUI_UTI_Trace.h"

#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QResource>
#include <QScreen>
#include <QShortcut>
#include <QSignalSpy>
#include <QVBoxLayout>

using V40::GUI::ContentBarBaseWidgetC;
using V40::GUI::MainWindowC;

namespace {

// Debug lines of the GUI framework and focus changes, in the order they happened.
QStringList s_lstEvents;

void recordDebugLine(QtMsgType eType, const QMessageLogContext&, const QString& strMessage)
{
    if (eType == QtDebugMsg)
        s_lstEvents << strMessage.trimmed();
}

// A page with a shortcut on a widget below it that counts its activations.
struct PageS
{
    PageS(int iKey = Qt::Key_Escape)
        : pPage(new ContentBarBaseWidgetC())
        , pInner(new QWidget(pPage))
        , pShortcut(new QShortcut(QKeySequence(iKey), pInner))
    {
        QObject::connect(pShortcut, &QShortcut::activated, [this] { ++iActivated; });
    }
    ~PageS() { delete pPage; }

    QPointer<ContentBarBaseWidgetC> pPage;
    QWidget* pInner;
    QShortcut* pShortcut;
    int iActivated = 0;
};

const QString s_strKeyLine = QStringLiteral("V40::GUI::MainWindowC::keyPressEvent: GOT key press %1");

} // namespace

class MainWindowTest : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase()
    {
        QVERIFY(QResource::registerResource(KestraTest::binDir() + "/Vela40GUIResources.rcc"));
    }

    void init()
    {
        KestraTest::clearReports();
        MainWindowC::create();
        MainWindowC::instance()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(MainWindowC::instance()));
    }

    void cleanup()
    {
        MainWindowC::destroy();
        V40::GUI::UTI::setTraceEnabled(false);
        qInstallMessageHandler(nullptr);
    }

    void screenshotOfTheFrame()
    {
        MainWindowC* pMain = MainWindowC::instance();
        PageS oPage;
        pMain->setContentBar(oPage.pPage);
        QCoreApplication::processEvents();
        const QImage oShot = pMain->grab().toImage();
        const QString strDir = QCoreApplication::applicationDirPath() + "/screenshots";
        QVERIFY(QDir().mkpath(strDir));
        QVERIFY(oShot.save(strDir + "/V40_GUI_MainWindow.png"));

        QCOMPARE(oShot.size(), QSize(640, 480));
        QCOMPARE(pMain->iconBar()->text(), QStringLiteral("Kestra Toolkit"));
        QCOMPARE(pMain->titleBar()->title(), QStringLiteral("Title Bar"));
        // Rows from top to bottom: 64 + 40 + 328 + 48.
        QCOMPARE(pMain->iconBar()->geometry(), QRect(0, 0, 640, 64));
        QCOMPARE(pMain->titleBar()->geometry(), QRect(0, 64, 640, 40));
        QCOMPARE(oPage.pPage->geometry(), QRect(0, 104, 640, 328));
        QCOMPARE(pMain->functionKeyBar()->geometry(), QRect(0, 432, 640, 48));
        QCOMPARE(oShot.pixelColor(3, 3), V40::GUI::g_oBarColor);
        QCOMPARE(oShot.pixelColor(3, 67), V40::GUI::g_oTitleColor);
        QCOMPARE(oShot.pixelColor(320, 300), QColor(Qt::white));
        QCOMPARE(oShot.pixelColor(1, 478), QColor(Qt::white));
        // The exit button shows its image in the title bar's top right corner.
        const QImage oExit(":/Images/Icon_TitleBar_Exit.bmp");
        QVERIFY(!oExit.isNull());
        QCOMPARE(oShot.copy(QRect(QPoint(640 - oExit.width(), 64), oExit.size())).convertToFormat(QImage::Format_RGB32),
                 oExit.convertToFormat(QImage::Format_RGB32));
        QStringList lstLabels;
        for (int iKey = Qt::Key_F1; iKey <= Qt::Key_F6; ++iKey)
            lstLabels << pMain->functionKeyBar()->button(iKey)->text();
        QCOMPARE(lstLabels, QStringList({"F1", "F2", "F3", "F4", "F5", "F6"}));
    }

    void frameButtonsAndClosingBecomeKeys_data()
    {
        QTest::addColumn<QString>("strHow");
        QTest::addColumn<int>("iKey");
        QTest::newRow("exit button") << "exit" << int(Qt::Key_Escape);
        QTest::newRow("Escape key") << "key" << int(Qt::Key_Escape);
        QTest::newRow("closing the window") << "close" << int(Qt::Key_Escape);
        QTest::newRow("F1 button") << "F1" << int(Qt::Key_F1);
        QTest::newRow("F6 button") << "F6" << int(Qt::Key_F6);
    }

    void frameButtonsAndClosingBecomeKeys()
    {
        QFETCH(QString, strHow);
        QFETCH(int, iKey);
        MainWindowC* pMain = MainWindowC::instance();
        PageS oPage(iKey);
        pMain->setContentBar(oPage.pPage);
        if (strHow == "exit")
            QTest::mouseClick(pMain->titleBar()->exitButton(), Qt::LeftButton);
        else if (strHow == "key")
            QTest::keyClick(pMain, Qt::Key(iKey));
        else if (strHow == "close")
            QVERIFY(!pMain->close());
        else
            QTest::mouseClick(pMain->functionKeyBar()->button(iKey), Qt::LeftButton);
        QCOMPARE(oPage.iActivated, 1);
        QVERIFY(pMain->isVisible());
        QCOMPARE(MainWindowC::instance(), pMain);
    }

    void altIsTabFirst_data()
    {
        QTest::addColumn<int>("iKey");
        QTest::addColumn<int>("iVirtualKey");
        QTest::addColumn<bool>("bFocusChain");
        QTest::newRow("desktop Alt, empty page") << int(Qt::Key_Alt) << 0 << false;
        QTest::newRow("instrument Alt, empty page") << int(Qt::Key_unknown) << 0x12 << false;
        QTest::newRow("desktop Alt, two fields") << int(Qt::Key_Alt) << 0 << true;
        QTest::newRow("instrument Alt, two fields") << int(Qt::Key_unknown) << 0x12 << true;
    }

    void altIsTabFirst()
    {
        QFETCH(int, iKey);
        QFETCH(int, iVirtualKey);
        QFETCH(bool, bFocusChain);
        MainWindowC* pMain = MainWindowC::instance();
        ContentBarBaseWidgetC oPage;
        QVBoxLayout* pLayout = new QVBoxLayout(&oPage);
        QLineEdit* pFirst = nullptr;
        if (bFocusChain) {
            pFirst = new QLineEdit(&oPage);
            pLayout->addWidget(pFirst);
            QLineEdit* pSecond = new QLineEdit(&oPage);
            pSecond->setObjectName("second");
            pLayout->addWidget(pSecond);
        }
        pMain->setContentBar(&oPage);
        if (pFirst) {
            pFirst->setFocus();
            QCOMPARE(QApplication::focusWidget(), pFirst);
        }
        QObject* pTarget = pFirst ? static_cast<QObject*>(pFirst) : pMain;

        s_lstEvents.clear();
        V40::GUI::UTI::setTraceEnabled(true);
        qInstallMessageHandler(recordDebugLine);
        QMetaObject::Connection oFocus = connect(qApp, &QApplication::focusChanged, [](QWidget*, QWidget* pNew) {
            s_lstEvents << "focus " + (pNew ? pNew->objectName() : QString());
        });
        // From the focus widget, the key travels up to the main window as from the keyboard.
        QKeyEvent oAlt(QEvent::KeyPress, iKey, Qt::NoModifier, 0, quint32(iVirtualKey), 0);
        QCoreApplication::sendEvent(pTarget, &oAlt);
        disconnect(oFocus);
        pMain->setEmptyContentBar();

        const QString strAltLine = s_strKeyLine.arg(iKey);
        if (bFocusChain)
            QCOMPARE(s_lstEvents, QStringList({"focus second", strAltLine}));
        else
            QCOMPARE(s_lstEvents, QStringList({s_strKeyLine.arg(int(Qt::Key_Tab)), strAltLine}));
    }

    void newContentKeepsTheOldPageAlive()
    {
        MainWindowC* pMain = MainWindowC::instance();
        PageS oFirst;
        PageS oSecond;
        PageS oThird;
        pMain->setContentBar(oFirst.pPage);
        QCOMPARE(oFirst.pPage->parentWidget(), pMain);
        pMain->setContentBar(oSecond.pPage);
        QVERIFY(oFirst.pPage);
        QVERIFY(oFirst.pPage->isHidden());
        QVERIFY(!oFirst.pPage->isVisible());
        QCOMPARE(pMain->contentBar(), oSecond.pPage.data());
        QVERIFY(oSecond.pPage->isVisible());

        pMain->setContentBar(nullptr);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"pContentBar"});
        QCOMPARE(pMain->contentBar(), oSecond.pPage.data());

        // Empty pages are the window's own: replaced, they go.
        pMain->setEmptyContentBar();
        QPointer<QWidget> pEmpty = pMain->contentBar();
        QVERIFY(qobject_cast<ContentBarBaseWidgetC*>(pEmpty));
        QVERIFY(oSecond.pPage->isHidden());
        pMain->setContentBar(oFirst.pPage);
        QVERIFY(!pEmpty);
        QVERIFY(oFirst.pPage->isVisible());

        // A page deleted by its owner while hidden leaves nothing behind.
        delete oSecond.pPage.data();

        // A page taken in advance waits hidden, laid out for the content area, until it is shown.
        QWidget* pKeys = pMain->functionKeyBar();
        const bool bKeys = pKeys->isVisibleTo(pMain);
        PageS oPrepared;
        pMain->preparePage(oPrepared.pPage, bKeys);
        QCOMPARE(oPrepared.pPage->parentWidget(), pMain);
        QVERIFY(!oPrepared.pPage->isVisible());
        QCOMPARE(oPrepared.pPage->geometry(), oFirst.pPage->geometry());
        QCOMPARE(pMain->contentBar(), oFirst.pPage.data());
        // One to be shown with the function keys the other way is laid out in the room it will have.
        PageS oOther;
        pMain->preparePage(oOther.pPage, !bKeys);
        const QRect oPreparedRoom = oOther.pPage->geometry();
        QCOMPARE(oPreparedRoom.height(), oFirst.pPage->height() + (bKeys ? pKeys->height() : -pKeys->height()));
        pKeys->setVisible(!bKeys);
        pMain->setContentBar(oOther.pPage);
        pMain->layout()->activate();
        QCOMPARE(oOther.pPage->geometry(), oPreparedRoom);
        pKeys->setVisible(bKeys);
        pMain->setContentBar(oFirst.pPage);

        // The window goes; the pages, shown or not, stay with their owners.
        pMain->setContentBar(oThird.pPage);
        MainWindowC::destroy();
        QVERIFY(oFirst.pPage);
        QVERIFY(!oFirst.pPage->parent());
        QVERIFY(oThird.pPage);
        QVERIFY(!oThird.pPage->parent());
        QVERIFY(oPrepared.pPage);
        QVERIFY(!oPrepared.pPage->parent());
        // Given back, a page shown alone comes on the screen.
        oPrepared.pPage->show();
        QVERIFY(QTest::qWaitForWindowExposed(oPrepared.pPage));
    }

    // What a page draws is on the window's surface once it is shown, prepared ahead or not; a
    // window of its own on the page still comes on the screen.
    void shownPageIsOnTheWindowsSurface()
    {
        MainWindowC* pMain = MainWindowC::instance();
        QVERIFY(QTest::qWaitForWindowExposed(pMain));
        for (const bool bPrepared : {true, false}) {
            PageS oPage;
            QLabel* pLabel = new QLabel(bPrepared ? QStringLiteral("Prepared") : QStringLiteral("Shown at once"), oPage.pInner);
            pLabel->move(40, 30);
            QWidget* pOwnWindow = new QWidget(oPage.pInner, Qt::Tool);
            pOwnWindow->resize(50, 20);
            if (bPrepared)
                pMain->preparePage(oPage.pPage, pMain->functionKeyBar()->isVisibleTo(pMain));
            pMain->setContentBar(oPage.pPage);
            const QRect oRoom = oPage.pPage->geometry();
            const QImage oDrawn = oPage.pPage->grab().toImage().convertToFormat(QImage::Format_RGB32);
            QTRY_COMPARE(pMain->screen()->grabWindow(pMain->winId()).toImage().copy(oRoom).convertToFormat(QImage::Format_RGB32),
                         oDrawn);
            pOwnWindow->show();
            QVERIFY(QTest::qWaitForWindowExposed(pOwnWindow));
            pMain->setEmptyContentBar();
        }
    }

    void pageIsFilledAroundItsRows()
    {
        // A page fills what its opaque rows leave, as a filled widget does, on a window of
        // another colour.
        QImage aShown[2];
        for (int i = 0; i < 2; ++i) {
            QWidget oWindow;
            oWindow.setFixedSize(640, 328);
            QPalette oBlack;
            oBlack.setColor(QPalette::Window, Qt::black);
            oWindow.setPalette(oBlack);
            oWindow.setAutoFillBackground(true);
            QWidget* pPage = i == 0 ? new ContentBarBaseWidgetC(&oWindow) : new QWidget(&oWindow);
            QPalette oWhite;
            oWhite.setColor(QPalette::Window, Qt::white);
            pPage->setPalette(oWhite);
            pPage->setAutoFillBackground(i == 1);
            pPage->setGeometry(0, 0, 640, 328);
            for (int iRow = 0; iRow < 4; ++iRow) {
                QWidget* pRow = new QWidget(pPage);
                QPalette oGrey;
                oGrey.setColor(QPalette::Window, Qt::gray);
                pRow->setPalette(oGrey);
                pRow->setAutoFillBackground(true);
                pRow->setGeometry(410, 10 + iRow * 44, 196, 34);
            }
            oWindow.show();
            QVERIFY(QTest::qWaitForWindowExposed(&oWindow));
            oWindow.repaint();
            aShown[i] = oWindow.screen()->grabWindow(oWindow.winId()).toImage();
        }
        QVERIFY(!aShown[0].isNull());
        QCOMPARE(aShown[0], aShown[1]);
    }

    void firstFrameIsToldOnce()
    {
        MainWindowC::destroy();
        MainWindowC::create();
        QSignalSpy oShown(MainWindowC::instance(), &MainWindowC::firstFrameShown);
        QVERIFY(oShown.wait(5000));
        MainWindowC::instance()->update();
        QTest::qWait(50);
        QCOMPARE(oShown.count(), 1);
    }

    void shortcutsActOnlyWhileThePageIsShown()
    {
        MainWindowC* pMain = MainWindowC::instance();
        PageS oFirst(Qt::Key_F6);
        PageS oSecond(Qt::Key_F5);
        pMain->setContentBar(oFirst.pPage);
        pMain->simulateKeyPress(Qt::Key_F6);
        QCOMPARE(oFirst.iActivated, 1);

        pMain->setContentBar(oSecond.pPage);
        QVERIFY(!oFirst.pShortcut->isEnabled());
        QVERIFY(oSecond.pShortcut->isEnabled());
        pMain->simulateKeyPress(Qt::Key_F6);
        pMain->simulateKeyPress(Qt::Key_F5);
        QCOMPARE(oFirst.iActivated, 1);
        QCOMPARE(oSecond.iActivated, 1);

        pMain->setContentBar(oFirst.pPage);
        QVERIFY(oFirst.pShortcut->isEnabled());
        pMain->simulateKeyPress(Qt::Key_F6);
        QCOMPARE(oFirst.iActivated, 2);
    }

    void titleShowsItsTextOnTheBarsColour()
    {
        V40::GUI::TitleBarC oBar("MAIN MENU");
        const QImage oMain = oBar.grab().toImage();
        oBar.prepareTitle("SETTINGS");
        QCOMPARE(oBar.grab().toImage(), oMain);
        oBar.setTitle("SETTINGS");
        const QImage oSettings = oBar.grab().toImage();
        QVERIFY(oSettings != oMain);
        V40::GUI::TitleBarC oDrawnAtOnce("SETTINGS");
        QCOMPARE(oDrawnAtOnce.grab().toImage(), oSettings);
        oBar.setTitle("MAIN MENU");
        QCOMPARE(oBar.grab().toImage(), oMain);

        // Under and around the text, the bar's colour as it is now.
        QPalette oPalette = oBar.palette();
        oPalette.setColor(QPalette::Window, Qt::darkGreen);
        oBar.setPalette(oPalette);
        const QImage oGreen = oBar.grab().toImage();
        QCOMPARE(oGreen.pixelColor(12, 1), QColor(Qt::darkGreen));
        QCOMPARE(oGreen.pixelColor(400, 20), QColor(Qt::darkGreen));
    }

    void barsAndSingleInstance()
    {
        MainWindowC* pMain = MainWindowC::instance();
        QPointer<V40::GUI::TitleBarC> pOldTitle = pMain->titleBar();
        auto* pTitle = new V40::GUI::TitleBarC("SETTINGS");
        pMain->setTitleBar(pTitle);
        QVERIFY(!pOldTitle);
        QCOMPARE(pMain->titleBar(), pTitle);
        pMain->setIconBar(nullptr);
        QVERIFY(pMain->iconBar());

        MainWindowC::create();
        QCOMPARE(MainWindowC::instance(), pMain);

        QSignalSpy oLanguage(pMain, &MainWindowC::languageChanged);
        QEvent oChange(QEvent::LanguageChange);
        QCoreApplication::sendEvent(pMain, &oChange);
        QCOMPARE(oLanguage.count(), 1);

        MainWindowC::destroy();
        QCOMPARE(KestraTest::assertTexts(), QStringList{"pIconBar"});
        QVERIFY(!MainWindowC::instance());
        QCOMPARE(KestraTest::assertTexts(), QStringList({"pIconBar", "0 != s_pInstance"}));
    }
};

KESTRA_TEST_MAIN(MainWindowTest)
#include "tst_V40_GUI_MainWindow.moc"
