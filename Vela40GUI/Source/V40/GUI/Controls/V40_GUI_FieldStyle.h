#pragma once
// The application's style for the value fields' editors, with their frames drawn once per look:
// an antialiased rounded frame costs a field more to paint than its text, and every screen with
// fields and every typed digit paints them again. Plain frames (a list's) are drawn part by part.
#include <QPalette>
#include <QPixmap>
#include <QProxyStyle>

class QStyleOptionFrame;

namespace V40 {
namespace GUI {

class FieldStyleC : public QProxyStyle
{
public:
    // The one for all fields, owned by the application object.
    static FieldStyleC* instance();

    // The palette fields take with the focus: a field's look with it is drawn with its first look
    // without it.
    void setFocusPalette(const QPalette& rPalette);

    void drawPrimitive(PrimitiveElement eElement, const QStyleOption* pOption, QPainter* pPainter,
                       const QWidget* pWidget = nullptr) const override;

private:
    FieldStyleC();
    // The frame of a look, drawn at its first use (*pbNew).
    QPixmap panel(const QStyleOptionFrame& rFrame, const QWidget* pWidget, qreal dRatio, bool* pbNew) const;
    void drawFrameByParts(const QStyleOptionFrame* pFrame, QPainter* pPainter, const QWidget* pWidget) const;

    QPalette m_oFocusPalette;
    bool m_bFocusPalette = false;
};

} // namespace GUI
} // namespace V40
