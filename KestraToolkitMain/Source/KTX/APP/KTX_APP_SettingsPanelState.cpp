#include "KTX/APP/KTX_APP_SettingsPanelState.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_SettingsPanel.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

namespace KTX {
namespace APP {

SettingsPanelStateC::SettingsPanelStateC(int iTitleToken, int iExitCodeSetToDefault, QObject* parent)
    : PanelStateBaseC(iTitleToken, parent)
    , m_iExitCodeSetToDefault(iExitCodeSetToDefault)
{
}

SettingsPanelStateC::~SettingsPanelStateC() = default;

void SettingsPanelStateC::OnSetToDefault()
{
    OnExit(m_iExitCodeSetToDefault);
}

bool SettingsPanelStateC::canWarmUp() const
{
    return true;
}

bool SettingsPanelStateC::refreshPanel()
{
    V40::GUI::SettingsPanelC* pPanel = settingsPanel();
    return pPanel && pPanel->refresh();
}

void SettingsPanelStateC::addShortcuts()
{
    PanelStateBaseC::addShortcuts();
    if (m_iExitCodeSetToDefault != NO_SET_TO_DEFAULT)
        addShortcut(Qt::Key_F5, V40::LNG::TK::Functionkey_DEFAULT, &SettingsPanelStateC::OnSetToDefault);
}

void SettingsPanelStateC::prepareShow()
{
    V40::GUI::SettingsPanelC* pPanel = settingsPanel();
    if (!pPanel) {
        BSS_ASSERT_REPORT("pSettingsPanel", "KTX_APP_SettingsPanelState", __LINE__);
        return;
    }
    // Registering the same panel model again when the state comes back changes nothing.
    getModel()->addSettingsModel(0, pPanel->getModel());
}

V40::GUI::SettingsPanelC* SettingsPanelStateC::settingsPanel() const
{
    return qobject_cast<V40::GUI::SettingsPanelC*>(getPanel());
}

} // namespace APP
} // namespace KTX
