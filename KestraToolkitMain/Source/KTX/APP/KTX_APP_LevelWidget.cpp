#include "KTX/APP/KTX_APP_LevelWidget.h"

#include "Ferrolib/BSS_Assert.h"
#include "V40_GUI_UTI_Resources.h"

#include <QPainter>

#include <cmath>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_LevelWidget", __LINE__)

namespace KTX {
namespace APP {

LevelWidgetC::LevelWidgetC(const QString& strBubbleImage, const QString& strBackgroundImage, int iAxes,
                           QWidget* parent)
    : QWidget(parent)
    , m_bValid(false)
    , m_dLInclination(0.0)
    , m_dTInclination(0.0)
    , m_iOffsetX(0)
    , m_iOffsetY(0)
    , m_oBackgroundPixmap(V40::GUI::UTI::resourcePixmap(strBackgroundImage))
    , m_oBubblePixmap(V40::GUI::UTI::resourcePixmap(strBubbleImage))
    , m_dFactorX((iAxes & AXIS_HORIZONTAL) ? 1.0 : 0.0)
    , m_dFactorY((iAxes & AXIS_VERTICAL) ? 1.0 : 0.0)
{
    if (m_oBackgroundPixmap.size() == QSize(0, 0))
        KTX_APP_REPORT("m_oBackgroundPixmap.size() != QSize( 0, 0 )");
    if (m_oBubblePixmap.size() == QSize(0, 0))
        KTX_APP_REPORT("m_oBubblePixmap.size() != QSize( 0, 0 )");
    m_dCentreX = m_oBackgroundPixmap.width() / 2.0 - m_oBubblePixmap.width() / 2.0;
    m_dCentreY = m_oBackgroundPixmap.height() / 2.0 - m_oBubblePixmap.height() / 2.0;
    setFixedSize(m_oBackgroundPixmap.size());
}

LevelWidgetC::~LevelWidgetC() = default;

QPointF LevelWidgetC::bubbleOffset(double dLInclination, double dTInclination)
{
    // The vector (0, 0, K) rotated by L and T (and no rotation about the vertical axis).
    double dX = -PIXELS_PER_RADIAN * std::cos(dLInclination) * std::sin(dTInclination);
    double dY = PIXELS_PER_RADIAN * std::sin(dLInclination);
    if (std::sqrt(dX * dX + dY * dY) > MAX_OFFSET) {
        const double dDirection = std::atan2(dY, dX);
        dX = MAX_OFFSET * std::cos(dDirection);
        dY = MAX_OFFSET * std::sin(dDirection);
    }
    return QPointF(dX, dY);
}

bool LevelWidgetC::isValid() const
{
    return m_bValid;
}

QPoint LevelWidgetC::bubblePosition() const
{
    if (!m_bValid)
        return QPoint();
    return QPoint(int(m_dCentreX + m_iOffsetX * m_dFactorX), int(m_dCentreY + m_iOffsetY * m_dFactorY));
}

void LevelWidgetC::setInclinations(double dLInclination, double dTInclinations)
{
    const QPointF oOffset = bubbleOffset(dLInclination, dTInclinations);
    m_dLInclination = dLInclination;
    m_dTInclination = dTInclinations;
    const bool bWasValid = m_bValid;
    m_bValid = std::fabs(dLInclination) <= MAX_VALID_INCLINATION && std::fabs(dTInclinations) <= MAX_VALID_INCLINATION;
    const int iOffsetX = int(oOffset.x());
    const int iOffsetY = int(oOffset.y());
    // A bubble that appears or goes away is drawn anew even where its offset stays.
    if (iOffsetX == m_iOffsetX && iOffsetY == m_iOffsetY && m_bValid == bWasValid)
        return;
    m_iOffsetX = iOffsetX;
    m_iOffsetY = iOffsetY;
    update();
}

void LevelWidgetC::setInvalid()
{
    m_bValid = false;
    update();
}

void LevelWidgetC::paintEvent(QPaintEvent* pEvent)
{
    Q_UNUSED(pEvent);
    QPainter oPainter(this);
    oPainter.drawPixmap(0, 0, m_oBackgroundPixmap);
    if (m_bValid)
        oPainter.drawPixmap(bubblePosition(), m_oBubblePixmap);
}

} // namespace APP
} // namespace KTX
