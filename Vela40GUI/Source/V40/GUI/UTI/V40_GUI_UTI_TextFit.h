#pragma once
// Lays a text out to fit a box: wrapped at word boundaries (anywhere inside a word longer than a
// line), in the given font or, only where that is too big, in a smaller pixel size of it.
#include <QFont>
#include <QSize>
#include <QString>

namespace V40 {
namespace GUI {
namespace UTI {

class FittedTextC
{
public:
    QFont m_oFont;
    // The text with a line break where each shown line ends.
    QString m_strText;
    // False when not even the smallest size fits: the text is then laid out in that size.
    bool m_bFits = false;
};

// rFont must be sized in pixels; iMinimumPixelSize is the smallest size tried.
FittedTextC fitText(const QString& strText, const QFont& rFont, const QSize& rBox, int iMinimumPixelSize);

} // namespace UTI
} // namespace GUI
} // namespace V40
