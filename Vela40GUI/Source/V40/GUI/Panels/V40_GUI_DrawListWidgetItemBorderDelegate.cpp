#include "V40_GUI_DrawListWidgetItemBorderDelegate.h"

#include <QAbstractItemModel>
#include <QPainter>

namespace V40 {
namespace GUI {

DrawListWidgetItemBorderDelegate::DrawListWidgetItemBorderDelegate(QObject* parent)
    : DrawListWidgetItemDelegate(parent)
{
}

DrawListWidgetItemBorderDelegate::~DrawListWidgetItemBorderDelegate() = default;

void DrawListWidgetItemBorderDelegate::paint(QPainter* pPainter, const QStyleOptionViewItem& rOption,
                                             const QModelIndex& rIndex) const
{
    DrawListWidgetItemDelegate::paint(pPainter, rOption, rIndex);
    if (!(rOption.state & QStyle::State_Selected))
        return;

    // One frame around the whole row: each cell draws its top and bottom edge, the first and the
    // last column also the outer side.
    const QRect oRect = rOption.rect.adjusted(1, 1, -1, -1);
    const int iLastColumn = rIndex.model() ? rIndex.model()->columnCount(rIndex.parent()) - 1 : 0;
    pPainter->save();
    pPainter->setPen(QPen(Qt::black, 2, Qt::SolidLine, Qt::SquareCap, Qt::MiterJoin));
    pPainter->drawLine(rOption.rect.left(), oRect.top(), rOption.rect.right(), oRect.top());
    pPainter->drawLine(rOption.rect.left(), oRect.bottom(), rOption.rect.right(), oRect.bottom());
    if (rIndex.column() == 0)
        pPainter->drawLine(oRect.left(), oRect.top(), oRect.left(), oRect.bottom());
    if (rIndex.column() == iLastColumn)
        pPainter->drawLine(oRect.right(), oRect.top(), oRect.right(), oRect.bottom());
    pPainter->restore();
}

} // namespace GUI
} // namespace V40
