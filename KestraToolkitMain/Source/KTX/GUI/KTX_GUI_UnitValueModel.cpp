#include "KTX/GUI/KTX_GUI_UnitValueModel.h"

namespace KTX {
namespace GUI {

UnitValueModelC::UnitValueModelC(const QVariant& rvarUnit, QObject* parent)
    : V40::GUI::ValueModelC(parent)
    , m_varUnit(rvarUnit)
{
}

UnitValueModelC::~UnitValueModelC() = default;

QVariant UnitValueModelC::getUnit() const
{
    return m_varUnit;
}

void UnitValueModelC::setUnit(const QVariant& rvarUnit)
{
    if (rvarUnit == m_varUnit)
        return;
    m_varUnit = rvarUnit;
    emit unitDisplayInfoChanged();
}

} // namespace GUI
} // namespace KTX
