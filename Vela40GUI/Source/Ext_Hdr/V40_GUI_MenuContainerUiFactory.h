#pragma once
// Builds the page and the entry widgets of a menu for its presentation type.
#include "V40_GUI_MenuContainerProperties.h"

namespace V40 {
namespace GUI {

class AbstractMenuContainerPaintDelegateC;
class AbstractMenuItemWidgetC;
class MenuComponentPropertiesC;

class MenuContainerUiFactory
{
public:
    explicit MenuContainerUiFactory(const MenuContainerPropertiesC& rProperties);
    virtual ~MenuContainerUiFactory();

    // A new icon or text page (owned by the caller); an unknown type reports "Unknown menu type."
    // and yields null.
    AbstractMenuContainerPaintDelegateC* createPaintDelegate() const;
    // A new entry widget of the same type for one entry (owned by the caller, or by the page it is
    // added to); an unknown type reports "Unknown menu type." and yields null.
    AbstractMenuItemWidgetC* createItemWidget(const MenuComponentPropertiesC& rProperties) const;

private:
    MenuContainerPropertiesC m_oProperties;
};

} // namespace GUI
} // namespace V40
