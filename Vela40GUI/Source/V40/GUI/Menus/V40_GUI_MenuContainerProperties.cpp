#include "V40_GUI_MenuContainerProperties.h"

#include "V40_LNG_TextTokens.h"

namespace V40 {
namespace GUI {

MenuContainerPropertiesC::MenuContainerPropertiesC(int iMenuType, int iTitleToken)
    : m_iMenuType(iMenuType)
    , m_iTitleToken(iTitleToken)
{
}

MenuContainerPropertiesC::~MenuContainerPropertiesC() = default;

int MenuContainerPropertiesC::getMenuType() const
{
    return m_iMenuType;
}

QString MenuContainerPropertiesC::getTitle() const
{
    return m_iTitleToken > 0 ? V40::LNG::getTextToken(m_iTitleToken) : QString();
}

int MenuContainerPropertiesC::getTitleToken() const
{
    return m_iTitleToken;
}

} // namespace GUI
} // namespace V40
