#include "V40_GUI_ContentBarBaseWidget.h"

#include "V40_GUI_Look.h"

#include <QShortcut>

namespace V40 {
namespace GUI {

ContentBarBaseWidgetC::ContentBarBaseWidgetC(QWidget* parent)
    : QWidget(parent)
{
    QPalette oPalette = palette();
    oPalette.setColor(QPalette::Window, Qt::white);
    setPalette(oPalette);
    setAutoFillBackground(true);
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

} // namespace GUI
} // namespace V40
