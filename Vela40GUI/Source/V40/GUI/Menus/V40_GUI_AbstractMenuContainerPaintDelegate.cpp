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
    QList<AbstractMenuItemWidgetC*> listItems;
    for (const QPointer<AbstractMenuItemWidgetC>& rpItem : m_listItems) {
        if (rpItem)
            listItems.append(rpItem);
    }
    return listItems;
}

void AbstractMenuContainerPaintDelegateC::rememberItem(AbstractMenuItemWidgetC* pItem)
{
    m_listItems.append(pItem);
}

} // namespace GUI
} // namespace V40
