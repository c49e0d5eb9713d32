#include "V40_GUI_AbstractMenuContainerPaintDelegate.h"

#include "V40_GUI_AbstractMenuItemWidget.h"
#include "V40_GUI_ContentBarBaseWidget.h"

namespace V40 {
namespace GUI {

AbstractMenuContainerPaintDelegateC::AbstractMenuContainerPaintDelegateC(const MenuContainerPropertiesC& rProperties,
                                                                         QObject* parent)
    : QObject(parent)
    , m_pContentWidget(new ContentBarBaseWidgetC())
    , m_oProperties(rProperties)
{
}

AbstractMenuContainerPaintDelegateC::~AbstractMenuContainerPaintDelegateC()
{
    delete m_pContentWidget.data();
}

ContentBarBaseWidgetC* AbstractMenuContainerPaintDelegateC::contentWidget() const
{
    return m_pContentWidget;
}

const MenuContainerPropertiesC& AbstractMenuContainerPaintDelegateC::getProperties() const
{
    return m_oProperties;
}

QList<AbstractMenuItemWidgetC*> AbstractMenuContainerPaintDelegateC::itemWidgets() const
{
    if (!m_pContentWidget)
        return QList<AbstractMenuItemWidgetC*>();
    return m_pContentWidget->findChildren<AbstractMenuItemWidgetC*>();
}

} // namespace GUI
} // namespace V40
