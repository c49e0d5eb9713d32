#pragma once
// Texts laid out or measured once and drawn many times: captions, titles and choices that every
// screen entry paints or fits, and the values shown in labels. They are kept, up to a bound far
// above what the screens show; a text is valid until the next call. Only for the GUI thread.
#include <QFont>
#include <QRect>
#include <QStaticText>
#include <QString>

class QPainter;

namespace V40 {
namespace GUI {
namespace UTI {

// The plain text laid out in rFont.
const QStaticText& staticText(const QString& strText, const QFont& rFont);
// The text's advance in rFont, as QFontMetrics::horizontalAdvance() gives it.
int textAdvance(const QString& strText, const QFont& rFont);

// Whether drawLine() draws strText in eAlignment: one line of left-to-right text, at the left or
// (without outer spaces) the right, vertically centred or at the top.
bool drawsAsLine(const QString& strText, Qt::Alignment eAlignment);
// Draws such a text, laid out once, where QPainter::drawText(rRoom, eAlignment, strText) draws
// it: centred in fractions of a pixel and cut at the room's edges, in the painter's font and pen.
void drawLine(QPainter& rPainter, const QRect& rRoom, Qt::Alignment eAlignment, const QString& strText);

} // namespace UTI
} // namespace GUI
} // namespace V40
