#include "V40_GUI_FieldStyle.h"

#include <QApplication>
#include <QHash>
#include <QPainter>
#include <QPixmap>
#include <QPointer>
#include <QStyleOption>

namespace V40 {
namespace GUI {

namespace {

// All a frame's look depends on; the palette by its colours, as every field has one of its own.
struct PanelKeyS
{
    QSize oSize;
    int iState;
    int iLineWidth;
    int iMidLineWidth;
    int iFeatures;
    int iDirection;
    qreal dRatio;
    QPalette oPalette;

    bool operator==(const PanelKeyS& rOther) const
    {
        return oSize == rOther.oSize && iState == rOther.iState && iLineWidth == rOther.iLineWidth
            && iMidLineWidth == rOther.iMidLineWidth && iFeatures == rOther.iFeatures
            && iDirection == rOther.iDirection && dRatio == rOther.dRatio && oPalette == rOther.oPalette;
    }
};

uint qHash(const PanelKeyS& rKey, uint uSeed = 0)
{
    return ::qHash(rKey.oSize.width() << 16 | rKey.oSize.height(), uSeed) ^ ::qHash(rKey.iState)
        ^ ::qHash(rKey.iLineWidth << 8 | rKey.iMidLineWidth);
}

} // namespace

FieldStyleC* FieldStyleC::instance()
{
    static QPointer<FieldStyleC> s_pInstance;
    if (!s_pInstance) {
        s_pInstance = new FieldStyleC();
        s_pInstance->setParent(QCoreApplication::instance());
    }
    return s_pInstance;
}

// On the style the application would have chosen itself.
FieldStyleC::FieldStyleC() = default;

void FieldStyleC::drawPrimitive(PrimitiveElement eElement, const QStyleOption* pOption, QPainter* pPainter,
                                const QWidget* pWidget) const
{
    const auto* pFrame = qstyleoption_cast<const QStyleOptionFrame*>(pOption);
    if (!pFrame || pPainter->transform().type() > QTransform::TxTranslate || pPainter->opacity() < 1.0) {
        QProxyStyle::drawPrimitive(eElement, pOption, pPainter, pWidget);
        return;
    }
    if (eElement == PE_Frame) {
        drawFrameByParts(pFrame, pPainter, pWidget);
        return;
    }
    if (eElement != PE_PanelLineEdit) {
        QProxyStyle::drawPrimitive(eElement, pOption, pPainter, pWidget);
        return;
    }
    const qreal dRatio = pPainter->device() ? pPainter->device()->devicePixelRatioF() : 1.0;
    bool bNew = false;
    const QPixmap oPanel = panel(*pFrame, pWidget, dRatio, &bNew);
    // A field is drawn without the focus before it is shown (pages are prepared off the screen);
    // its look with the focus is drawn then too, not when the operator reaches it.
    if (bNew && m_bFocusPalette && (pFrame->state & State_ReadOnly) && !(pFrame->state & State_HasFocus)) {
        QStyleOptionFrame oFocused(*pFrame);
        oFocused.state = (oFocused.state | State_HasFocus) & ~State_ReadOnly;
        oFocused.palette = m_oFocusPalette;
        panel(oFocused, pWidget, dRatio, nullptr);
    }
    pPainter->drawPixmap(pFrame->rect.topLeft(), oPanel);
}

void FieldStyleC::setFocusPalette(const QPalette& rPalette)
{
    m_oFocusPalette = rPalette;
    m_bFocusPalette = true;
}

QPixmap FieldStyleC::panel(const QStyleOptionFrame& rFrame, const QWidget* pWidget, qreal dRatio, bool* pbNew) const
{
    const PanelKeyS oKey{rFrame.rect.size(), int(rFrame.state), rFrame.lineWidth, rFrame.midLineWidth,
                         int(rFrame.features), int(rFrame.direction), dRatio, rFrame.palette};
    // Bounded by the fields' sizes and looks, which the screens fix.
    static QHash<PanelKeyS, QPixmap> s_hashPanels;
    auto it = s_hashPanels.find(oKey);
    if (pbNew)
        *pbNew = it == s_hashPanels.end();
    if (it != s_hashPanels.end())
        return it.value();
    QPixmap oPanel(rFrame.rect.size() * dRatio);
    oPanel.setDevicePixelRatio(dRatio);
    oPanel.fill(Qt::transparent);
    QStyleOptionFrame oOption(rFrame);
    oOption.rect.moveTopLeft(QPoint(0, 0));
    QPainter oPanelPainter(&oPanel);
    QProxyStyle::drawPrimitive(PE_PanelLineEdit, &oOption, &oPanelPainter, pWidget);
    oPanelPainter.end();
    s_hashPanels.insert(oKey, oPanel);
    return oPanel;
}

// A painter clipped to anything but one rectangle (a list's frame is clipped to the ring around
// its opaque rows) sets the frame's lines pixel by pixel, each a span of its own; clipped to one
// rectangle it writes them at once. Each part of the frame's rectangle is drawn once, so the
// pixels are the same.
void FieldStyleC::drawFrameByParts(const QStyleOptionFrame* pFrame, QPainter* pPainter, const QWidget* pWidget) const
{
    const QRect oOuter = pFrame->rect;
    const int iEdge = qMax(1, pFrame->lineWidth);
    const QRect oInner = oOuter.adjusted(iEdge, iEdge, -iEdge, -iEdge);
    if (oInner.isEmpty()) {
        QProxyStyle::drawPrimitive(PE_Frame, pFrame, pPainter, pWidget);
        return;
    }
    const QRect aParts[] = {
        QRect(oOuter.left(), oOuter.top(), oOuter.width(), iEdge),
        QRect(oOuter.left(), oInner.bottom() + 1, oOuter.width(), oOuter.bottom() - oInner.bottom()),
        QRect(oOuter.left(), oInner.top(), iEdge, oInner.height()),
        QRect(oInner.right() + 1, oInner.top(), oOuter.right() - oInner.right(), oInner.height()),
        oInner,
    };
    for (const QRect& rPart : aParts) {
        pPainter->save();
        pPainter->setClipRect(rPart, Qt::IntersectClip);
        QProxyStyle::drawPrimitive(PE_Frame, pFrame, pPainter, pWidget);
        pPainter->restore();
    }
}

} // namespace GUI
} // namespace V40
