#pragma once
// Draws a list cell like DrawListWidgetItemDelegate and frames the selected row in black, so the
// choice stays visible on a screen read outdoors.
#include "V40_GUI_DrawListWidgetItemDelegate.h"

namespace V40 {
namespace GUI {

class DrawListWidgetItemBorderDelegate : public DrawListWidgetItemDelegate
{
    Q_OBJECT

public:
    explicit DrawListWidgetItemBorderDelegate(QObject* parent = nullptr);
    ~DrawListWidgetItemBorderDelegate() override;

    void paint(QPainter* pPainter, const QStyleOptionViewItem& rOption, const QModelIndex& rIndex) const override;
};

} // namespace GUI
} // namespace V40
