#pragma once
// The icon menu: up to six tiles in three columns and two rows; the arrow keys move between
// neighbouring tiles.
#include "V40_GUI_AbstractMenuContainerPaintDelegate.h"

class QGridLayout;

namespace V40 {
namespace GUI {

class IconMenuContainerPaintDelegateC : public AbstractMenuContainerPaintDelegateC
{
    Q_OBJECT

public:
    enum
    {
        COLUMNS = 3,
        ROWS = 2
    };

    explicit IconMenuContainerPaintDelegateC(const MenuContainerPropertiesC& rProperties, QObject* parent = nullptr);
    ~IconMenuContainerPaintDelegateC() override;

    void addItem(AbstractMenuItemWidgetC* pItem) override;

private:
    AbstractMenuItemWidgetC* itemAt(int iRow, int iColumn) const;
    void connectNeighbours(int iRow, int iColumn);

    QGridLayout* m_pLayout;
    int m_iRow;
    int m_iColumn;
};

} // namespace GUI
} // namespace V40
