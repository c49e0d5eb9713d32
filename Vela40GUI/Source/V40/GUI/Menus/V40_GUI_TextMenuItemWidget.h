#pragma once
// A line of the text menu: "F<n>", the caption and "(<n>)". The function key of its line on the
// page and the digit of its number in the menu select it.
#include "V40_GUI_AbstractMenuItemWidget.h"

namespace V40 {
namespace GUI {

class TextMenuItemWidgetC : public AbstractMenuItemWidgetC
{
    Q_OBJECT

public:
    enum
    {
        HEIGHT = 60
    };

    explicit TextMenuItemWidgetC(const MenuComponentPropertiesC& rProperties, QWidget* parent = nullptr);
    ~TextMenuItemWidgetC() override;

public slots:
    void onLocalIndexChanged(int iOldValue, int iNewValue) override;
    void onGlobalIndexChanged(int iOldValue, int iNewValue) override;

protected:
    void paintEvent(QPaintEvent* pEvent) override;
};

} // namespace GUI
} // namespace V40
