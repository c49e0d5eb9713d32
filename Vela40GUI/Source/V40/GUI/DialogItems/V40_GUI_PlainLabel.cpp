#include "V40_GUI_PlainLabel.h"

#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QPainter>
#include <QPicture>
#include <QStyleOption>

namespace V40 {
namespace GUI {

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

// Where the label's own text drawing puts the line: its rectangle less margin and indent.
void PlainLabelC::paintEvent(QPaintEvent* pEvent)
{
    const QString strText = text();
    const Qt::Alignment eHorizontal = alignment() & Qt::AlignHorizontal_Mask;
    const bool bOwnDrawing = textFormat() == Qt::PlainText && frameShape() == QFrame::NoFrame && !wordWrap()
        && !buddy() && pixmap(Qt::ReturnByValue).isNull() && !movie() && picture(Qt::ReturnByValue).isNull()
        && layoutDirection() == Qt::LeftToRight && UTI::drawsAsLine(strText, alignment());
    if (!bOwnDrawing) {
        QLabel::paintEvent(pEvent);
        return;
    }
    if (strText.isEmpty())
        return;
    QRect oRoom = contentsRect().adjusted(margin(), margin(), -margin(), -margin());
    if (indent() > 0) {
        if (eHorizontal == Qt::AlignRight)
            oRoom.setRight(oRoom.right() - indent());
        else
            oRoom.setLeft(oRoom.left() + indent());
    }
    QStyleOption oOption;
    oOption.initFrom(this);
    QPainter oPainter(this);
    oPainter.setFont(font());
    oPainter.setPen(oOption.palette.color(foregroundRole()));
    UTI::drawLine(oPainter, oRoom, alignment(), strText);
}

} // namespace GUI
} // namespace V40
