#include "KTX/APP/KTX_APP_UnitSettingsState.h"

#include "KTX/APP/KTX_APP_UnitSettingsApplication.h"
#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

UnitSettingsStateC::UnitSettingsStateC(QObject* parent)
    : PanelStateBaseC(V40::LNG::TK::UnitSettings_UNITSETTINGS, parent)
{
}

UnitSettingsStateC::~UnitSettingsStateC() = default;

UnitSettingsPanelC* UnitSettingsStateC::getSettingsPanel() const
{
    return qobject_cast<UnitSettingsPanelC*>(getPanel());
}

void UnitSettingsStateC::OnSetToDefault()
{
    OnExit(UnitSettingsApplicationC::s_iExitCodeSetToDefault);
}

QWidget* UnitSettingsStateC::createPanel(QWidget* pPage)
{
    return new UnitSettingsPanelC(pPage);
}

void UnitSettingsStateC::addShortcuts()
{
    PanelStateBaseC::addShortcuts();
    addShortcut(Qt::Key_F5, V40::LNG::TK::Functionkey_DEFAULT, &UnitSettingsStateC::OnSetToDefault);
}

void UnitSettingsStateC::prepareShow()
{
    // Registering the same panel model again when the state comes back changes nothing.
    getModel()->addSettingsModel(0, getSettingsPanel()->getModel());
}

} // namespace APP
} // namespace KTX
