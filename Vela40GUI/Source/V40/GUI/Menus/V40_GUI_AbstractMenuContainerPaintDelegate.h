#pragma once
// The page of a menu: the content page shown in the main window and how the entries are laid out
// on it.
#include "V40_GUI_MenuContainerProperties.h"

#include <QList>
#include <QObject>
#include <QPointer>

namespace V40 {
namespace GUI {

class AbstractMenuItemWidgetC;
class ContentBarBaseWidgetC;

class AbstractMenuContainerPaintDelegateC : public QObject
{
    Q_OBJECT

public:
    explicit AbstractMenuContainerPaintDelegateC(const MenuContainerPropertiesC& rProperties, QObject* parent = nullptr);
    // Deletes the content page (it has no parent of its own while another page is shown).
    ~AbstractMenuContainerPaintDelegateC() override;

    // Places the entry on the page, which takes it over. Entries that do not fit are reported and
    // dropped.
    virtual void addItem(AbstractMenuItemWidgetC* pItem) = 0;

    ContentBarBaseWidgetC* contentWidget() const;
    const MenuContainerPropertiesC& getProperties() const;
    // The entries on the page, in the order they were added.
    QList<AbstractMenuItemWidgetC*> itemWidgets() const;

protected:
    // Concrete pages call this for every entry they placed.
    void rememberItem(AbstractMenuItemWidgetC* pItem);

signals:
    // Another part of the page came to the front (the entries that answer keys changed).
    void pageChanged();

private:
    QPointer<ContentBarBaseWidgetC> m_pContentWidget;
    MenuContainerPropertiesC m_oProperties;
    // In the order they were added (the widget tree's order changes as pages come to the front).
    QList<QPointer<AbstractMenuItemWidgetC>> m_listItems;
};

} // namespace GUI
} // namespace V40
