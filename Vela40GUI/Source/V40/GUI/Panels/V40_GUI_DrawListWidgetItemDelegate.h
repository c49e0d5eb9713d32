#pragma once
// Draws a list cell: its text in the list's font, vertically centred with a small indent, and no
// focus rectangle (the selected row is marked by its colour).
#include <QStyledItemDelegate>

namespace V40 {
namespace GUI {

class DrawListWidgetItemDelegate : public QStyledItemDelegate
{
    Q_OBJECT

public:
    explicit DrawListWidgetItemDelegate(QObject* parent = nullptr);
    ~DrawListWidgetItemDelegate() override;

    void paint(QPainter* pPainter, const QStyleOptionViewItem& rOption, const QModelIndex& rIndex) const override;
};

} // namespace GUI
} // namespace V40
