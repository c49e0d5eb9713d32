#include "V40_GUI_TextMenuItemWidget.h"

#include "V40_GUI_Look.h"

#include <QHBoxLayout>
#include <QPainter>

namespace V40 {
namespace GUI {

namespace {
constexpr int s_iKeyColumnX = 9;
constexpr int s_iCaptionColumnX = 100;
constexpr int s_iNumberColumnX = 550;

int functionKey(int iPosition)
{
    return Qt::Key_F1 + iPosition - 1;
}
} // namespace

TextMenuItemWidgetC::TextMenuItemWidgetC(const MenuComponentPropertiesC& rProperties, QWidget* parent)
    : AbstractMenuItemWidgetC(rProperties, parent)
{
    setFocusPolicy(Qt::NoFocus);
    setFixedSize(g_iDisplayWidth, HEIGHT);
    QHBoxLayout* pLayout = new QHBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
}

TextMenuItemWidgetC::~TextMenuItemWidgetC() = default;

void TextMenuItemWidgetC::onLocalIndexChanged(int iOldValue, int iNewValue)
{
    if (iOldValue > 0)
        removeShortcut(functionKey(iOldValue));
    if (iNewValue >= 1)
        addShortcut(functionKey(iNewValue));
    update();
}

void TextMenuItemWidgetC::onGlobalIndexChanged(int iOldValue, int iNewValue)
{
    if (iOldValue > 0)
        removeShortcut(Qt::Key_0 + iOldValue);
    if (iNewValue >= 1)
        addShortcut(Qt::Key_0 + iNewValue);
    update();
}

void TextMenuItemWidgetC::paintEvent(QPaintEvent*)
{
    QPainter oPainter(this);
    oPainter.setPen(Qt::black);
    oPainter.setFont(lookFont(22));
    const int iBaseLine = height() / 2 + 11;
    oPainter.drawText(s_iKeyColumnX, iBaseLine, QStringLiteral("F%1").arg(localIndex()));
    oPainter.drawText(s_iCaptionColumnX, iBaseLine, caption());
    oPainter.drawText(s_iNumberColumnX, iBaseLine, QStringLiteral("(%1)").arg(globalIndex()));
}

} // namespace GUI
} // namespace V40
