#include "KTX/APP/KTX_APP_UnitSettingsState.h"

#include "KTX/APP/KTX_APP_UnitSettingsApplication.h"
#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"

#include "V40_APP_ApplicationModelBase.h"

namespace KTX {
namespace APP {

namespace {
enum
{
    TOKEN_DEFAULT = 6,
    TOKEN_TITLE = 64
};
} // namespace

UnitSettingsStateC::UnitSettingsStateC(QObject* parent)
    : PanelStateBaseC(TOKEN_TITLE, parent)
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
    addShortcut(Qt::Key_F5, TOKEN_DEFAULT, &UnitSettingsStateC::OnSetToDefault);
}

void UnitSettingsStateC::prepareShow()
{
    // Registering the same panel model again when the state comes back changes nothing.
    getModel()->addSettingsModel(0, getSettingsPanel()->getModel());
}

} // namespace APP
} // namespace KTX
