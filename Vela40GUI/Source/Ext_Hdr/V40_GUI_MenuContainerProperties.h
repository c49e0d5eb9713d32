#pragma once
// How a menu presents its entries and which title it shows.

#include <QString>

namespace V40 {
namespace GUI {

class MenuContainerPropertiesC
{
public:
    enum MenuTypeE
    {
        MENU_TYPE_ICON = 0,
        MENU_TYPE_TEXT = 1
    };

    MenuContainerPropertiesC(int iMenuType = MENU_TYPE_ICON, int iTitleToken = 0);
    virtual ~MenuContainerPropertiesC();

    int getMenuType() const;
    // The title token's text in the current language.
    QString getTitle() const;
    int getTitleToken() const;

private:
    int m_iMenuType;
    int m_iTitleToken;
};

} // namespace GUI
} // namespace V40
