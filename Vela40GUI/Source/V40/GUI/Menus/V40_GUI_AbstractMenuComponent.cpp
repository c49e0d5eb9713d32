#include "V40_GUI_AbstractMenuComponent.h"

namespace V40 {
namespace GUI {

AbstractMenuComponentC::AbstractMenuComponentC(int iCaptionToken, const QString& strIconPath, QObject* parent)
    : QObject(parent)
    , m_oProperties(iCaptionToken, strIconPath)
{
}

AbstractMenuComponentC::~AbstractMenuComponentC() = default;

const MenuComponentPropertiesC& AbstractMenuComponentC::getProperties() const
{
    return m_oProperties;
}

AbstractMenuComponentC* AbstractMenuComponentC::parentComponent() const
{
    return qobject_cast<AbstractMenuComponentC*>(parent());
}

void AbstractMenuComponentC::onEscape()
{
    if (AbstractMenuComponentC* pParent = parentComponent())
        pParent->onSelected();
    else
        emit escape();
}

void AbstractMenuComponentC::onLanguageChanged()
{
}

} // namespace GUI
} // namespace V40
