#include "V40_GUI_MenuContainerUiFactory.h"

#include "V40_GUI_IconMenuContainerPaintDelegate.h"
#include "V40_GUI_IconMenuItemWidget.h"
#include "V40_GUI_TextMenuContainerPaintDelegate.h"
#include "V40_GUI_TextMenuItemWidget.h"

#include "Ferrolib/BSS_Assert.h"

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_MenuContainerUiFactory", __LINE__)

namespace V40 {
namespace GUI {

MenuContainerUiFactory::MenuContainerUiFactory(const MenuContainerPropertiesC& rProperties)
    : m_oProperties(rProperties)
{
}

MenuContainerUiFactory::~MenuContainerUiFactory() = default;

AbstractMenuContainerPaintDelegateC* MenuContainerUiFactory::createPaintDelegate() const
{
    switch (m_oProperties.getMenuType()) {
    case MenuContainerPropertiesC::MENU_TYPE_ICON:
        return new IconMenuContainerPaintDelegateC(m_oProperties);
    case MenuContainerPropertiesC::MENU_TYPE_TEXT:
        return new TextMenuContainerPaintDelegateC(m_oProperties);
    default:
        V40_GUI_REPORT("Unknown menu type.");
        return nullptr;
    }
}

AbstractMenuItemWidgetC* MenuContainerUiFactory::createItemWidget(const MenuComponentPropertiesC& rProperties) const
{
    switch (m_oProperties.getMenuType()) {
    case MenuContainerPropertiesC::MENU_TYPE_ICON:
        return new IconMenuItemWidgetC(rProperties);
    case MenuContainerPropertiesC::MENU_TYPE_TEXT:
        return new TextMenuItemWidgetC(rProperties);
    default:
        V40_GUI_REPORT("Unknown menu type.");
        return nullptr;
    }
}

} // namespace GUI
} // namespace V40
