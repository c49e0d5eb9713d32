#include "KTX/APP/KTX_APP_AtmosphericSettingsState.h"

#include "KTX/APP/KTX_APP_AtmosphericSettingsApplication.h"
#include "KTX/APP/KTX_APP_AtmosphericSettingsPanel.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

AtmosphericSettingsStateC::AtmosphericSettingsStateC(QObject* parent)
    : SettingsPanelStateC(V40::LNG::TK::AtmosphericSettings_ATMOSPHERICSETTINGS,
                          AtmosphericSettingsApplicationC::s_iExitCodeSetToDefault, parent)
{
}

AtmosphericSettingsStateC::~AtmosphericSettingsStateC() = default;

AtmosphericSettingsPanelC* AtmosphericSettingsStateC::getSettingsPanel() const
{
    return qobject_cast<AtmosphericSettingsPanelC*>(getPanel());
}

QWidget* AtmosphericSettingsStateC::createPanel(QWidget* pPage)
{
    return new AtmosphericSettingsPanelC(pPage);
}

} // namespace APP
} // namespace KTX
