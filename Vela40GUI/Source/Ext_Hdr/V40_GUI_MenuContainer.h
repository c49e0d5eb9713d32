#pragma once
// A menu: the enclosing node of its entries. Its page is built on first showing and kept until
// the language changes.
#include "V40_GUI_AbstractMenuComponent.h"
#include "V40_GUI_MenuContainerProperties.h"
#include "V40_GUI_MenuContainerUiFactory.h"

#include <QList>

namespace V40 {
namespace GUI {

class AbstractMenuContainerPaintDelegateC;
class AbstractMenuItemWidgetC;

class MenuContainerC : public AbstractMenuComponentC
{
    Q_OBJECT

public:
    // iMenuType: MenuContainerPropertiesC::MENU_TYPE_ICON or MENU_TYPE_TEXT.
    MenuContainerC(int iMenuType, int iTitleToken, int iCaptionToken, const QString& strIconPath,
                   QObject* parent = nullptr);
    ~MenuContainerC() override;

    // Takes pComponent as the last entry (and as QObject child). Returns it as a menu when it is
    // one, so that sub-menus can be filled in a chain; null otherwise.
    MenuContainerC* addComponent(AbstractMenuComponentC* pComponent);

    const MenuContainerPropertiesC& getContainerProperties() const;
    QList<AbstractMenuComponentC*> components() const;
    // The page of this menu, or null before it was first shown.
    AbstractMenuContainerPaintDelegateC* presentation() const;

public slots:
    // Shows this menu in the main window (building its page when needed).
    void onSelected() override;
    // Marks this menu and every menu below it for rebuilding with the new texts.
    void onLanguageChanged() override;
    // What the main controller calls on a language change: as onLanguageChanged(), and the menu
    // that is on the screen at the moment is shown again at once with the new texts.
    void retranslate();
    // Builds the pages of the menus below this one in advance, hidden in the main window, so that
    // opening one for the first time costs no more than opening it again.
    void prepareSubmenus();

private:
    void buildPresentation();
    void preparePresentation();
    void updateFunctionKeyBar();
    // F1 to F6 as the entries on the part of the page in front answer them.
    QList<int> shownFunctionKeys() const;
    // The menu of this subtree whose page is on the screen, or null.
    MenuContainerC* shownContainer();

    MenuContainerPropertiesC m_oContainerProperties;
    MenuContainerUiFactory m_oUiFactory;
    AbstractMenuContainerPaintDelegateC* m_pPresentation;
    QList<AbstractMenuComponentC*> m_listComponents;
    bool m_bRebuild;
};

} // namespace GUI
} // namespace V40
