#include "V40_GUI_DrawListWidgetItemDelegate.h"

#include "V40/GUI/UTI/V40_GUI_UTI_StaticText.h"

#include <QApplication>
#include <QPainter>

namespace V40 {
namespace GUI {

namespace {
constexpr int s_iTextIndent = 5;
}

DrawListWidgetItemDelegate::DrawListWidgetItemDelegate(QObject* parent)
    : QStyledItemDelegate(parent)
{
}

DrawListWidgetItemDelegate::~DrawListWidgetItemDelegate() = default;

void DrawListWidgetItemDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& rOption,
                                       const QModelIndex& rIndex) const
{
    QStyleOptionViewItem oOption(rOption);
    initStyleOption(&oOption, rIndex);
    // The background (plain, alternate or selected) comes from the style sheet; the text is drawn
    // here alone. QStyledItemDelegate::paint() would take the text from the index again and draw
    // it a second time, beside this one.
    const QString strText = oOption.text;
    oOption.text.clear();
    oOption.state &= ~QStyle::State_HasFocus;
    const QWidget* pWidget = oOption.widget;
    QStyle* pStyle = pWidget ? pWidget->style() : QApplication::style();
    pStyle->drawControl(QStyle::CE_ItemViewItem, &oOption, pPainter, pWidget);

    pPainter->save();
    pPainter->setFont(oOption.font);
    pPainter->setPen(Qt::black);
    const QRect oTextRect = oOption.rect.adjusted(s_iTextIndent, 0, -s_iTextIndent, 0);
    const QString strTrimmed = strText.trimmed();
    // Rows are painted at every change of the selection: a text that fits is drawn laid out once.
    if (UTI::drawsAsLine(strTrimmed, Qt::AlignLeft | Qt::AlignVCenter)
        && UTI::staticText(strTrimmed, oOption.font).size().width() <= oTextRect.width()) {
        UTI::drawLine(*pPainter, oTextRect, Qt::AlignLeft | Qt::AlignVCenter, strTrimmed);
    } else {
        const QString strShown = oOption.fontMetrics.elidedText(strTrimmed, Qt::ElideRight, oTextRect.width());
        pPainter->drawText(oTextRect, Qt::AlignLeft | Qt::AlignVCenter, strShown);
    }
    pPainter->restore();
}

} // namespace GUI
} // namespace V40
