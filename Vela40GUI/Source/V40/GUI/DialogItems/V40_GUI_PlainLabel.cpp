#include "V40_GUI_PlainLabel.h"

#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QFontMetricsF>
#include <QPainter>
#include <QPicture>
#include <QStyleOption>

namespace V40 {
namespace GUI {

namespace {

bool isOneLine(const QString& strText)
{
    for (const QChar c : strText) {
        if (c == QLatin1Char('\n') || c == QLatin1Char('\t') || c == QChar::LineSeparator
            || c == QChar::ParagraphSeparator)
            return false;
    }
    return true;
}

} // namespace

PlainLabelC::PlainLabelC(QWidget* parent)
    : QLabel(parent)
{
    setTextFormat(Qt::PlainText);
}

PlainLabelC::PlainLabelC(const QString& strText, QWidget* parent)
    : PlainLabelC(parent)
{
    setText(strText);
}

PlainLabelC::~PlainLabelC() = default;

// Where the label's own text drawing puts the line: its rectangle less margin and indent, the line
// at the left or right and vertically centred or at the top, in whole pixels.
void PlainLabelC::paintEvent(QPaintEvent* pEvent)
{
    const QString strText = text();
    const Qt::Alignment eHorizontal = alignment() & Qt::AlignHorizontal_Mask;
    const Qt::Alignment eVertical = alignment() & Qt::AlignVertical_Mask;
    const bool bOwnDrawing = textFormat() == Qt::PlainText && frameShape() == QFrame::NoFrame && !wordWrap()
        && !buddy() && pixmap(Qt::ReturnByValue).isNull() && !movie() && picture(Qt::ReturnByValue).isNull()
        && layoutDirection() == Qt::LeftToRight && !strText.isRightToLeft() && isOneLine(strText)
        && (eHorizontal == Qt::AlignLeft || eHorizontal == Qt::AlignLeading
            || (eHorizontal == Qt::AlignRight && strText.trimmed() == strText))
        && (eVertical == Qt::AlignVCenter || eVertical == Qt::AlignTop);
    if (!bOwnDrawing) {
        QLabel::paintEvent(pEvent);
        return;
    }
    if (strText.isEmpty())
        return;
    QRect oRect = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (indent() > 0) {
        if (eHorizontal == Qt::AlignRight)
            oRect.setRight(oRect.right() - indent());
        else
            oRect.setLeft(oRect.left() + indent());
    }
    const QStaticText& rText = UTI::staticText(strText, font());
    // The line's own height, without the leading that the laid-out text adds below it.
    const qreal dLeading = qMax(qreal(0), QFontMetricsF(font()).leading());
    const QSizeF oSize = rText.size();
    const qreal dTop = eVertical == Qt::AlignVCenter ? (oRect.height() - (oSize.height() - dLeading)) / 2 : 0;
    const qreal dLeft = eHorizontal == Qt::AlignRight ? oRect.width() - oSize.width() : 0;

    QStyleOption oOption;
    oOption.initFrom(this);
    QPainter oPainter(this);
    // A text wider or higher than its room is cut at the room's edges.
    const QPointF oTopLeft(oRect.left() + dLeft, oRect.top() + dTop - dLeading);
    if (!QRectF(oRect).contains(QRectF(oTopLeft, oSize)))
        oPainter.setClipRect(oRect);
    oPainter.setFont(font());
    oPainter.setPen(oOption.palette.color(foregroundRole()));
    oPainter.drawStaticText(oTopLeft, rText);
}

} // namespace GUI
} // namespace V40
