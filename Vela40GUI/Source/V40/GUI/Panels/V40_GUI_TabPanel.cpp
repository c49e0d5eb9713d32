#include "V40_GUI_TabPanel.h"

#include "V40_GUI_Look.h"
#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStackedWidget>
#include <QVBoxLayout>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_TabPanel", __LINE__)

namespace V40 {
namespace GUI {

namespace {
const QColor s_oCurrentHeaderColor(170, 170, 180);
// Slant of a header's sides, so the headers read as tabs.
constexpr int s_iHeaderSlant = 10;
} // namespace

TabPanelC::TabPanelC(QWidget* parent)
    : QWidget(parent)
    , m_pStackedWidget(new QStackedWidget(this))
    , m_pLayout(new QVBoxLayout(this))
{
    setFont(lookFont(22));
    m_pLayout->setContentsMargins(0, 0, 0, 0);
    m_pLayout->setSpacing(0);
    m_pLayout->addWidget(m_pStackedWidget);
    connect(m_pStackedWidget, SIGNAL(currentChanged(int)), this, SLOT(onCurrentIndexChanged(int)));
}

TabPanelC::~TabPanelC() = default;

void TabPanelC::addTab(QWidget* pWidget)
{
    if (!pWidget || !m_pStackedWidget) {
        V40_GUI_REPORT("pWidget");
        return;
    }
    if (m_pStackedWidget->count() >= COUNTMAX) {
        V40_GUI_REPORT("m_pStackedWidget->count()<COUNTMAX");
        // The page was handed over: kept hidden, so that it goes with the panel.
        pWidget->setParent(this);
        pWidget->hide();
        return;
    }
    pWidget->setAutoFillBackground(true);
    QPalette oPalette = pWidget->palette();
    oPalette.setColor(QPalette::Window, Qt::white);
    pWidget->setPalette(oPalette);
    m_pStackedWidget->addWidget(pWidget);
    if (m_pStackedWidget->count() == 2)
        m_pLayout->setContentsMargins(0, HEADER_MARGIN, 0, 0);
    update();
}

int TabPanelC::count() const
{
    return m_pStackedWidget ? m_pStackedWidget->count() : 0;
}

QWidget* TabPanelC::widget(int iTab) const
{
    return m_pStackedWidget ? m_pStackedWidget->widget(iTab) : nullptr;
}

int TabPanelC::currentIndex() const
{
    return m_pStackedWidget ? m_pStackedWidget->currentIndex() : -1;
}

void TabPanelC::setCurrentIndex(int iTab)
{
    if (m_pStackedWidget && iTab >= 0 && iTab < m_pStackedWidget->count())
        m_pStackedWidget->setCurrentIndex(iTab);
}

QRect TabPanelC::headerRect(int iTab) const
{
    return QRect(iTab * HEADER_WIDTH + 2, 2, HEADER_WIDTH - 4, HEADER_HEIGHT - 2);
}

void TabPanelC::setVisible(bool bVisible)
{
    QWidget::setVisible(bVisible);
    if (bVisible) {
        // Showing twice gives the page in front the chance to take back its focus once all of
        // it is visible.
        QWidget::setVisible(false);
        QWidget::setVisible(true);
    }
}

void TabPanelC::onNextTab()
{
    const int iCount = count();
    if (iCount == 0)
        return;
    setCurrentIndex((currentIndex() + 1) % iCount);
}

void TabPanelC::onPreviousTab()
{
    const int iCount = count();
    if (iCount == 0)
        return;
    const int iCurrent = currentIndex();
    setCurrentIndex(iCurrent <= 0 ? iCount - 1 : iCurrent - 1);
}

void TabPanelC::onCurrentIndexChanged(int iTab)
{
    update();
    emit currentTabChanged(iTab);
}

void TabPanelC::mouseReleaseEvent(QMouseEvent* pEvent)
{
    if (pEvent->pos().y() >= 0 && pEvent->pos().y() < HEADER_HEIGHT && count() > 1) {
        for (int iTab = 0; iTab < count(); ++iTab) {
            if (pEvent->pos().x() >= iTab * HEADER_WIDTH && pEvent->pos().x() < (iTab + 1) * HEADER_WIDTH) {
                setCurrentIndex(iTab);
                pEvent->accept();
                return;
            }
        }
    }
    QWidget::mouseReleaseEvent(pEvent);
}

void TabPanelC::paintEvent(QPaintEvent* pEvent)
{
    QWidget::paintEvent(pEvent);
    if (count() <= 1)
        return;
    QPainter oPainter(this);
    oPainter.drawPixmap(0, 0, headerBand());
}

const QPixmap& TabPanelC::headerBand()
{
    // The band changes only with the pages, the page in front, the width and the language;
    // drawn at every paint, its antialiased outlines and texts were a sixteenth of opening the
    // screen.
    const QString strLabel = V40::LNG::getTextToken(8);
    const QColor oBackground = palette().color(QPalette::Window);
    const qreal dRatio = devicePixelRatioF();
    const QString strKey = QStringLiteral("%1/%2/%3/%4/%5/%6/%7")
                               .arg(count())
                               .arg(currentIndex())
                               .arg(width())
                               .arg(dRatio)
                               .arg(oBackground.rgba())
                               .arg(font().key(), strLabel);
    if (strKey == m_strHeaderBandKey)
        return m_oHeaderBand;

    m_oHeaderBand = QPixmap(QSize(width(), HEADER_MARGIN) * dRatio);
    m_oHeaderBand.setDevicePixelRatio(dRatio);
    // What lies under the band: the panel's own background, as the page behind it fills it.
    m_oHeaderBand.fill(oBackground);
    m_strHeaderBandKey = strKey;

    QPainter oPainter(&m_oHeaderBand);
    oPainter.setRenderHint(QPainter::Antialiasing, true);
    oPainter.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::SquareCap, Qt::BevelJoin));
    oPainter.setFont(font());

    const int iBaseLine = HEADER_MARGIN - 1;
    for (int iTab = 0; iTab < count(); ++iTab) {
        const QRect oRect = headerRect(iTab);
        QPainterPath oPath;
        oPath.moveTo(oRect.left(), iBaseLine);
        oPath.lineTo(oRect.left() + s_iHeaderSlant, oRect.top());
        oPath.lineTo(oRect.right() - s_iHeaderSlant, oRect.top());
        oPath.lineTo(oRect.right(), iBaseLine);
        if (iTab == currentIndex())
            oPainter.fillPath(oPath, s_oCurrentHeaderColor);
        oPainter.drawPath(oPath);
        oPainter.drawText(QRect(oRect.left(), oRect.top(), oRect.width(), iBaseLine - oRect.top()),
                          Qt::AlignCenter, strLabel.arg(iTab + 1));
    }
    // The line under the headers, open below the page in front.
    const QRect oCurrent = headerRect(currentIndex());
    oPainter.drawLine(0, iBaseLine, oCurrent.left(), iBaseLine);
    oPainter.drawLine(oCurrent.right(), iBaseLine, width() - 1, iBaseLine);
    return m_oHeaderBand;
}

} // namespace GUI
} // namespace V40
