#include "V40_GUI_IconMenuItemWidget.h"

#include "V40_GUI_Look.h"
#include "V40_GUI_UTI_Resources.h"
#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QVBoxLayout>

namespace V40 {
namespace GUI {

namespace {
const QColor s_oHighlightTop(247, 247, 247);
constexpr int s_iCaptionBaseLine = 141;
constexpr int s_iIconCentreY = 61;

} // namespace

IconMenuItemWidgetC::IconMenuItemWidgetC(const MenuComponentPropertiesC& rProperties, QWidget* parent)
    : AbstractMenuItemWidgetC(rProperties, parent)
    , m_oIcon(UTI::resourcePixmap(rProperties.getIconPath()))
{
    setFixedSize(WIDTH, HEIGHT);
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(0, 0, 0, 0);
    pLayout->setSpacing(0);
    connect(this, SIGNAL(clicked()), this, SIGNAL(selected()));
}

IconMenuItemWidgetC::~IconMenuItemWidgetC() = default;

QString IconMenuItemWidgetC::indexLabel() const
{
    return m_strIndexLabel;
}

QPixmap IconMenuItemWidgetC::icon() const
{
    return m_oIcon;
}

void IconMenuItemWidgetC::onLocalIndexChanged(int iOldValue, int iNewValue)
{
    if (iOldValue > 0)
        removeShortcut(Qt::Key_0 + iOldValue);
    if (iNewValue > 0) {
        m_strIndexLabel = QString::number(iNewValue);
        addShortcut(Qt::Key_0 + iNewValue);
    }
    update();
}

void IconMenuItemWidgetC::paintEvent(QPaintEvent*)
{
    QPainter oPainter(this);
    if (hasFocus()) {
        oPainter.setRenderHint(QPainter::Antialiasing, true);
        QLinearGradient oGradient(width() / 2, 2, width() / 2, height() - 62);
        oGradient.setColorAt(0, s_oHighlightTop);
        oGradient.setColorAt(1, g_oBarColor);
        QPainterPath oPath;
        oPath.addRoundedRect(QRectF(1, 11, width() - 2, height() - 61), 2, 2);
        oPainter.setPen(g_oBarColor);
        oPainter.fillPath(oPath, oGradient);
        oPainter.drawPath(oPath);
    }

    oPainter.setPen(Qt::black);
    const QFont oFont = lookFont(22);
    oPainter.setFont(oFont);
    const QStaticText& rText = UTI::staticText(m_strIndexLabel + QLatin1Char(' ') + caption(), oFont);
    const int iTextWidth = qRound(rText.size().width());
    oPainter.drawStaticText((width() - iTextWidth) / 2, s_iCaptionBaseLine - oPainter.fontMetrics().ascent(), rText);

    if (!m_oIcon.isNull())
        oPainter.drawPixmap(width() / 2 - m_oIcon.width() / 2, s_iIconCentreY - m_oIcon.height() / 2, m_oIcon);
}

} // namespace GUI
} // namespace V40
