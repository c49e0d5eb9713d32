#include "V40_GUI_TextMenuItemWidget.h"

#include "V40_GUI_Look.h"
#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

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
    const QFont oFont = lookFont(22);
    oPainter.setFont(oFont);
    // Laid out once: a menu's items repaint at every visit.
    const int iTop = height() / 2 + 11 - oPainter.fontMetrics().ascent();
    oPainter.drawStaticText(s_iKeyColumnX, iTop, UTI::staticText(QStringLiteral("F%1").arg(localIndex()), oFont));
    oPainter.drawStaticText(s_iCaptionColumnX, iTop, UTI::staticText(caption(), oFont));
    oPainter.drawStaticText(s_iNumberColumnX, iTop, UTI::staticText(QStringLiteral("(%1)").arg(globalIndex()), oFont));
}

} // namespace GUI
} // namespace V40
