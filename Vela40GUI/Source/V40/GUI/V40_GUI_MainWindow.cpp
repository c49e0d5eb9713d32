#include "V40_GUI_MainWindow.h"

#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_IconBar.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_TitleBar.h"
#include "V40_GUI_UTI_Trace.h"

#include "Ferrolib/BSS_Assert.h"

#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QGridLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLayout>
#include <QWindow>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_MainWindow", __LINE__)

namespace V40 {
namespace GUI {

namespace {
// The instrument's keyboard reports its Alt key with this virtual key; the desktop's only as Qt key.
const quint32 s_uVirtualKeyAlt = 0x12;

// A widget that is shown posts itself an update for the next round of the event loop: 30 to 60
// events for a page, each waking the loop. A widget drawn into its window's surface is marked as
// one that is not on the screen by itself; Qt then marks its area for the next paint at once,
// which paints the same. Windows and native widgets have surfaces of their own and are left as
// they are; widgets added later post their updates as usual.
void drawIntoWindowSurface(QWidget* pWidget)
{
    if (pWidget->testAttribute(Qt::WA_DontShowOnScreen))
        return;
    QList<QWidget*> lstWidgets = pWidget->findChildren<QWidget*>();
    lstWidgets.prepend(pWidget);
    for (QWidget* pEach : qAsConst(lstWidgets)) {
        if (!pEach->isWindow() && !pEach->internalWinId())
            pEach->setAttribute(Qt::WA_DontShowOnScreen);
    }
}
} // namespace

MainWindowC* MainWindowC::s_pInstance = nullptr;

void MainWindowC::create()
{
    if (!s_pInstance)
        new MainWindowC();
}

MainWindowC* MainWindowC::instance()
{
    if (!s_pInstance)
        V40_GUI_REPORT("0 != s_pInstance");
    return s_pInstance;
}

void MainWindowC::destroy()
{
    delete s_pInstance;
    s_pInstance = nullptr;
}

MainWindowC::MainWindowC()
    : QWidget(nullptr)
    , m_pLayout(new QGridLayout(this))
{
    if (s_pInstance)
        V40_GUI_REPORT("0 == s_pInstance");
    else
        s_pInstance = this;
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(0);
    setFont(lookFont(22));
    setFixedSize(g_iDisplayWidth, g_iDisplayHeight);
    m_pLayout->addWidget(new IconBarC(QStringLiteral("Kestra Toolkit"), 36, this), ROW_ICON_BAR, 0);
    m_pLayout->addWidget(new TitleBarC(QStringLiteral("Title Bar"), this), ROW_TITLE_BAR, 0);
    m_pLayout->addWidget(new FunctionKeyBarC(this), ROW_FUNCTION_KEY_BAR, 0);
    for (int iRow : {ROW_ICON_BAR, ROW_TITLE_BAR, ROW_FUNCTION_KEY_BAR})
        drawIntoWindowSurface(widgetAt(iRow));
    show();
    if (QWindow* pWindow = windowHandle()) {
        if (pWindow->isExposed())
            noteFirstFrame();
        else
            pWindow->installEventFilter(this);
    }
}

MainWindowC::~MainWindowC()
{
    // The pages belong to their panels and menus, which delete them themselves.
    releaseContentBar();
    for (const QPointer<QWidget>& pPage : qAsConst(m_lstHiddenPages)) {
        if (pPage && pPage->parentWidget() == this) {
            // Without a parent it would be a window of its own, which must show on the screen.
            pPage->setAttribute(Qt::WA_DontShowOnScreen, false);
            pPage->setParent(nullptr);
        }
    }
    if (s_pInstance == this)
        s_pInstance = nullptr;
}

IconBarC* MainWindowC::iconBar() const
{
    return qobject_cast<IconBarC*>(widgetAt(ROW_ICON_BAR));
}

TitleBarC* MainWindowC::titleBar() const
{
    return qobject_cast<TitleBarC*>(widgetAt(ROW_TITLE_BAR));
}

FunctionKeyBarC* MainWindowC::functionKeyBar() const
{
    return qobject_cast<FunctionKeyBarC*>(widgetAt(ROW_FUNCTION_KEY_BAR));
}

void MainWindowC::setIconBar(IconBarC* pIconBar)
{
    if (!pIconBar) {
        V40_GUI_REPORT("pIconBar");
        return;
    }
    replaceBar(ROW_ICON_BAR, pIconBar);
}

void MainWindowC::setTitleBar(TitleBarC* pTitleBar)
{
    if (!pTitleBar) {
        V40_GUI_REPORT("pTitleBar");
        return;
    }
    replaceBar(ROW_TITLE_BAR, pTitleBar);
}

void MainWindowC::setFunctionKeyBar(FunctionKeyBarC* pFunctionKeyBar)
{
    if (!pFunctionKeyBar) {
        V40_GUI_REPORT("pFunctionKeyBar");
        return;
    }
    replaceBar(ROW_FUNCTION_KEY_BAR, pFunctionKeyBar);
}

void MainWindowC::setContentBar(QWidget* pContentBar)
{
    if (!pContentBar) {
        V40_GUI_REPORT("pContentBar");
        return;
    }
    if (pContentBar != m_pContentBar) {
        releaseContentBar();
        m_pLayout->addWidget(pContentBar, ROW_CONTENT, 0);
        m_pContentBar = pContentBar;
        drawIntoWindowSurface(pContentBar);
    }
    pContentBar->show();
}

void MainWindowC::setEmptyContentBar()
{
    ContentBarBaseWidgetC* pEmpty = new ContentBarBaseWidgetC();
    setContentBar(pEmpty);
    m_pEmptyContentBar = pEmpty;
}

QWidget* MainWindowC::contentBar() const
{
    return m_pContentBar;
}

void MainWindowC::simulateKeyPress(int iKey)
{
    QKeyEvent oEvent(QEvent::KeyPress, iKey, Qt::NoModifier, QString());
    QCoreApplication::sendEvent(this, &oEvent);
}

void MainWindowC::keyPressEvent(QKeyEvent* pEvent)
{
    // Alt is the instrument's Tab key.
    if (pEvent->nativeVirtualKey() == s_uVirtualKeyAlt || pEvent->key() == Qt::Key_Alt)
        simulateKeyPress(Qt::Key_Tab);
    V40_TRACE << QStringLiteral("%1: GOT key press %2\n")
                     .arg(QStringLiteral("V40::GUI::MainWindowC::keyPressEvent"))
                     .arg(pEvent->key());
    QWidget::keyPressEvent(pEvent);
}

void MainWindowC::closeEvent(QCloseEvent* pEvent)
{
    // The screen is left the way Escape leaves it, never by closing the window.
    pEvent->ignore();
    simulateKeyPress(Qt::Key_Escape);
}

void MainWindowC::changeEvent(QEvent* pEvent)
{
    if (pEvent->type() == QEvent::LanguageChange)
        emit languageChanged();
    QWidget::changeEvent(pEvent);
}

QWidget* MainWindowC::widgetAt(int iRow) const
{
    QLayoutItem* pItem = m_pLayout->itemAtPosition(iRow, 0);
    return pItem ? pItem->widget() : nullptr;
}

void MainWindowC::replaceBar(int iRow, QWidget* pBar)
{
    QWidget* pOld = widgetAt(iRow);
    if (pOld == pBar)
        return;
    if (pOld) {
        m_pLayout->removeWidget(pOld);
        delete pOld;
    }
    m_pLayout->addWidget(pBar, iRow, 0);
    drawIntoWindowSurface(pBar);
}

void MainWindowC::releaseContentBar()
{
    QWidget* pOld = m_pContentBar;
    m_pContentBar = nullptr;
    if (!pOld)
        return;
    m_pLayout->removeWidget(pOld);
    // Keys must not reach a page that is no longer shown: hiding it would pass the focus along
    // the window's focus chain, to a widget of another hidden page when the next page takes
    // none. The widget keeps its flag and takes the focus back when its page is shown again.
    if (QWidget* pFocus = QApplication::focusWidget()) {
        if (pOld->isAncestorOf(pFocus))
            pFocus->clearFocus();
    }
    pOld->hide();
    if (pOld == m_pEmptyContentBar) {
        delete pOld;
        return;
    }
    // Stays a hidden child: taking a page out of the window and back in costs every change of
    // the screen a round of font, palette and style updates through all its widgets.
    keepHiddenPage(pOld);
}

void MainWindowC::preparePage(QWidget* pPage, bool bWithFunctionKeys)
{
    if (!pPage || pPage == m_pContentBar || pPage->parentWidget() == this)
        return;
    pPage->setParent(this);
    pPage->hide();
    drawIntoWindowSurface(pPage);
    pPage->ensurePolished();
    // Laid out in the content area it will be shown in: its fields are drawn at the size they
    // will have.
    if (m_pContentBar) {
        QRect oRoom = m_pContentBar->geometry();
        const QWidget* pKeys = functionKeyBar();
        if (pKeys && pKeys->isVisibleTo(this) != bWithFunctionKeys)
            oRoom.setBottom(oRoom.bottom() + (bWithFunctionKeys ? -pKeys->height() : pKeys->height()));
        pPage->setGeometry(oRoom);
    }
    if (QLayout* pPageLayout = pPage->layout())
        pPageLayout->activate();
    // Painted once off the screen, so that its glyphs and images are ready for the real paint.
    QImage oImage(pPage->size(), QImage::Format_ARGB32_Premultiplied);
    pPage->render(&oImage);
    keepHiddenPage(pPage);
}

void MainWindowC::keepHiddenPage(QWidget* pPage)
{
    m_lstHiddenPages.removeAll(nullptr);
    if (!m_lstHiddenPages.contains(pPage))
        m_lstHiddenPages.append(pPage);
}

bool MainWindowC::eventFilter(QObject* pObject, QEvent* pEvent)
{
    if (pEvent->type() == QEvent::Expose && pObject == windowHandle() && windowHandle()->isExposed()) {
        // The frame is painted while the exposure is handled: the note comes after it.
        pObject->removeEventFilter(this);
        noteFirstFrame();
    }
    return QWidget::eventFilter(pObject, pEvent);
}

void MainWindowC::noteFirstFrame()
{
    if (m_bFirstFrameShown)
        return;
    m_bFirstFrameShown = true;
    QMetaObject::invokeMethod(this, &MainWindowC::firstFrameShown, Qt::QueuedConnection);
}

} // namespace GUI
} // namespace V40
