#pragma once
// What a menu shows for one of its entries: a caption and an optional picture.
#include <QString>

namespace V40 {
namespace GUI {

class MenuComponentPropertiesC
{
public:
    MenuComponentPropertiesC(int iCaptionToken = 0, const QString& strIconPath = QString());
    virtual ~MenuComponentPropertiesC();

    // The caption token's text in the current language.
    QString getCaption() const;
    int getCaptionToken() const;
    // A resource path such as ":/Images/level.png"; may be empty.
    QString getIconPath() const;

private:
    int m_iCaptionToken;
    QString m_strIconPath;
};

} // namespace GUI
} // namespace V40
