#include "V40_GUI_CustomFocusHandlingWidget.h"

#include "V40_GUI_ContentBarBaseWidget.h"
#include "V40_GUI_UTI_Trace.h"

#include <QApplication>
#include <QKeyEvent>

namespace V40 {
namespace GUI {

namespace {

// The content page a widget lies on (the widget itself when it is one), or null.
const QWidget* contentPageOf(const QWidget* pWidget)
{
    for (; pWidget; pWidget = pWidget->parentWidget()) {
        if (qobject_cast<const ContentBarBaseWidgetC*>(pWidget))
            return pWidget;
    }
    return nullptr;
}

} // namespace

CustomFocusHandlingWidgetC::CustomFocusHandlingWidgetC(QWidget* parent)
    : QWidget(parent)
    , m_bHasFocus(false)
{
    setFocusPolicy(Qt::StrongFocus);
    connect(qApp, SIGNAL(focusChanged(QWidget*, QWidget*)), this, SLOT(onFocusChanged(QWidget*, QWidget*)));
}

CustomFocusHandlingWidgetC::~CustomFocusHandlingWidgetC() = default;

bool CustomFocusHandlingWidgetC::hasFocusFlag() const
{
    return m_bHasFocus;
}

void CustomFocusHandlingWidgetC::setVisible(bool bVisible)
{
    if (!bVisible) {
        V40_TRACE << QStringLiteral("setVisible( false ) -> clearFocus: %1\n").arg(describe(this));
        clearFocus();
    } else if (m_bHasFocus && (isWindow() || parentWidget()->isVisible())) {
        // Only on a shown page: a hidden one must not take the focus from the page on screen.
        V40_TRACE << QStringLiteral("setVisible( true ) -> setFocus: %1\n").arg(describe(this));
        setFocus(Qt::OtherFocusReason);
    }
    QWidget::setVisible(bVisible);
}

QString CustomFocusHandlingWidgetC::describe(const QObject* pObject)
{
    if (!pObject)
        return QStringLiteral("NULL");
    return QStringLiteral("%1 \"%2\" 0x%3")
        .arg(QString::fromLatin1(pObject->metaObject()->className()), pObject->objectName(),
             QString::number(quintptr(pObject), 16));
}

void CustomFocusHandlingWidgetC::setHasFocus()
{
    V40_TRACE << QStringLiteral("setHasFocus: %1\n").arg(describe(this));
    m_bHasFocus = true;
    setFocus(Qt::OtherFocusReason);
}

void CustomFocusHandlingWidgetC::onFocusChanged(QWidget* pOld, QWidget* pNew)
{
    if (pNew == this) {
        V40_TRACE << QStringLiteral("GOT FOCUS: %1   (OLD FOCUS: %2)\n").arg(describe(this), describe(pOld));
        m_bHasFocus = true;
    } else if (pOld == this && pNew && contentPageOf(pOld) == contentPageOf(pNew)) {
        // Focus that leaves the page (or goes nowhere) keeps the flag for the page's return.
        V40_TRACE << QStringLiteral("LOST FOCUS: %1   (NEW FOCUS: %2)\n").arg(describe(this), describe(pNew));
        m_bHasFocus = false;
    }
}

void CustomFocusHandlingWidgetC::simulateTab()
{
    sendKeyToWindow(Qt::Key_Tab);
}

void CustomFocusHandlingWidgetC::simulateBackTab()
{
    sendKeyToWindow(Qt::Key_Backtab);
}

void CustomFocusHandlingWidgetC::keyPressEvent(QKeyEvent* pEvent)
{
    const char* strTrace = nullptr;
    void (CustomFocusHandlingWidgetC::*pSignal)() = nullptr;
    switch (pEvent->key()) {
    case Qt::Key_Return:
    case Qt::Key_Enter:
        strTrace = "clicked: %1\n";
        pSignal = &CustomFocusHandlingWidgetC::clicked;
        break;
    case Qt::Key_Left:
        strTrace = "arrowLeft: %1\n";
        pSignal = &CustomFocusHandlingWidgetC::arrowLeft;
        break;
    case Qt::Key_Up:
        strTrace = "arrowUp: %1\n";
        pSignal = &CustomFocusHandlingWidgetC::arrowUp;
        break;
    case Qt::Key_Right:
        strTrace = "arrowRight: %1\n";
        pSignal = &CustomFocusHandlingWidgetC::arrowRight;
        break;
    case Qt::Key_Down:
        strTrace = "arrowDown: %1\n";
        pSignal = &CustomFocusHandlingWidgetC::arrowDown;
        break;
    default:
        QWidget::keyPressEvent(pEvent);
        return;
    }
    pEvent->accept();
    V40_TRACE << QString::fromLatin1(strTrace).arg(describe(this));
    emit(this->*pSignal)();
}

void CustomFocusHandlingWidgetC::showEvent(QShowEvent* pEvent)
{
    QWidget::showEvent(pEvent);
    if (m_bHasFocus && !hasFocus() && focusPolicy() != Qt::NoFocus) {
        V40_TRACE << QStringLiteral("setVisible( true ) -> setFocus: %1\n").arg(describe(this));
        setFocus(Qt::OtherFocusReason);
    }
}

void CustomFocusHandlingWidgetC::sendKeyToWindow(int iKey)
{
    // The window that holds the widget: the main window on the instrument. Sent, not posted, so
    // the focus has moved when this returns.
    QKeyEvent oEvent(QEvent::KeyPress, iKey, Qt::NoModifier);
    QCoreApplication::sendEvent(window(), &oEvent);
}

} // namespace GUI
} // namespace V40
