#include "V40_GUI_ContentBarBaseWidget.h"

#include "V40_GUI_Look.h"

#include <QPaintEvent>
#include <QPainter>
#include <QShortcut>

namespace V40 {
namespace GUI {

ContentBarBaseWidgetC::ContentBarBaseWidgetC(QWidget* parent)
    : QWidget(parent)
{
    QPalette oPalette = palette();
    oPalette.setColor(QPalette::Window, Qt::white);
    setPalette(oPalette);
    // Opaque as with a filled background, but filled by paintEvent().
    setAttribute(Qt::WA_OpaquePaintEvent);
    setMinimumSize(g_iDisplayWidth, 328);
    setMaximumSize(g_iDisplayWidth, 376);
}

ContentBarBaseWidgetC::~ContentBarBaseWidgetC() = default;

void ContentBarBaseWidgetC::setVisible(bool bVisible)
{
    // Pages that wait hidden underneath the shown one must not catch its keys.
    const QList<QShortcut*> lstShortcuts = findChildren<QShortcut*>();
    for (QShortcut* pShortcut : lstShortcuts)
        pShortcut->setEnabled(bVisible);
    QWidget::setVisible(bVisible);
}

void ContentBarBaseWidgetC::paintEvent(QPaintEvent* pEvent)
{
    // What a page paints is what its opaque rows and fields leave, often many rectangles. A fill
    // clipped to such a region is set line by line through the clip; clipped to one rectangle
    // at a time it is set at once.
    QPainter oPainter(this);
    const QBrush oBrush = palette().brush(backgroundRole());
    for (const QRect& rRect : pEvent->region()) {
        oPainter.setClipRect(rRect);
        oPainter.fillRect(rRect, oBrush);
    }
}

} // namespace GUI
} // namespace V40
