#include "V40_GUI_MenuComponentProperties.h"

#include "V40_LNG_TextTokens.h"

namespace V40 {
namespace GUI {

MenuComponentPropertiesC::MenuComponentPropertiesC(int iCaptionToken, const QString& strIconPath)
    : m_iCaptionToken(iCaptionToken)
    , m_strIconPath(strIconPath)
{
}

MenuComponentPropertiesC::~MenuComponentPropertiesC() = default;

QString MenuComponentPropertiesC::getCaption() const
{
    // The root has no caption; asking the table for token 0 would only produce a report.
    return m_iCaptionToken > 0 ? V40::LNG::getTextToken(m_iCaptionToken) : QString();
}

int MenuComponentPropertiesC::getCaptionToken() const
{
    return m_iCaptionToken;
}

QString MenuComponentPropertiesC::getIconPath() const
{
    return m_strIconPath;
}

} // namespace GUI
} // namespace V40
