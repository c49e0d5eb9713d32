#include "KTX/APP/KTX_APP_UnitSettingsState.h"

#include "KTX/APP/KTX_APP_UnitSettingsApplication.h"
#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

UnitSettingsStateC::UnitSettingsStateC(QObject* parent)
    : SettingsPanelStateC(V40::LNG::TK::UnitSettings_UNITSETTINGS, UnitSettingsApplicationC::s_iExitCodeSetToDefault,
                          parent)
{
}

UnitSettingsStateC::~UnitSettingsStateC() = default;

UnitSettingsPanelC* UnitSettingsStateC::getSettingsPanel() const
{
    return qobject_cast<UnitSettingsPanelC*>(getPanel());
}

QWidget* UnitSettingsStateC::createPanel(QWidget* pPage)
{
    return new UnitSettingsPanelC(pPage);
}

} // namespace APP
} // namespace KTX
