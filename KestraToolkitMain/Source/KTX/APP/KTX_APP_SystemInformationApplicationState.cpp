#include "KTX/APP/KTX_APP_SystemInformationApplicationState.h"

#include "KTX/APP/KTX_APP_SystemInformationApplication.h"
#include "KTX/APP/KTX_APP_SystemInformationPanel.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

SystemInformationApplicationStateC::SystemInformationApplicationStateC(QObject* parent)
    : PanelStateBaseC(V40::LNG::TK::Systeminformation_SYSTEMINFO, parent)
{
}

SystemInformationApplicationStateC::~SystemInformationApplicationStateC() = default;

SystemInformationPanelC* SystemInformationApplicationStateC::getInformationPanel() const
{
    return qobject_cast<SystemInformationPanelC*>(getPanel());
}

void SystemInformationApplicationStateC::OnShowLegalInfo()
{
    OnExit(SystemInformationApplicationC::s_iExitCodeShowLegalInfo);
}

QWidget* SystemInformationApplicationStateC::createPanel(QWidget* pPage)
{
    return new SystemInformationPanelC(pPage);
}

bool SystemInformationApplicationStateC::canWarmUp() const
{
    return true;
}

bool SystemInformationApplicationStateC::refreshPanel()
{
    SystemInformationPanelC* pPanel = getInformationPanel();
    if (pPanel)
        pPanel->reload();
    return pPanel != nullptr;
}

void SystemInformationApplicationStateC::addShortcuts()
{
    addShortcut(Qt::Key_F1, V40::LNG::TK::Systeminformation_Legal, &SystemInformationApplicationStateC::OnShowLegalInfo);
    PanelStateBaseC::addShortcuts();
}

} // namespace APP
} // namespace KTX
