#include "KTX/APP/KTX_APP_LevelLaserPlummetApplicationState.h"

#include "KTX/APP/KTX_APP_LevelLaserPlummetModel.h"
#include "KTX/APP/KTX_APP_LevelLaserPlummetPanel.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

LevelLaserPlummetApplicationStateC::LevelLaserPlummetApplicationStateC(QObject* parent)
    : PanelStateBaseC(V40::LNG::TK::Level_LEVELUP, parent)
    , m_upModel(new LevelLaserPlummetModelC())
{
}

LevelLaserPlummetApplicationStateC::~LevelLaserPlummetApplicationStateC() = default;

LevelLaserPlummetModelC* LevelLaserPlummetApplicationStateC::getLevelModel() const
{
    return m_upModel.get();
}

LevelLaserPlummetPanelC* LevelLaserPlummetApplicationStateC::getLevelPanel() const
{
    return qobject_cast<LevelLaserPlummetPanelC*>(getPanel());
}

QWidget* LevelLaserPlummetApplicationStateC::createPanel(QWidget* pPage)
{
    return new LevelLaserPlummetPanelC(m_upModel.get(), pPage);
}

bool LevelLaserPlummetApplicationStateC::canWarmUp() const
{
    return true;
}

bool LevelLaserPlummetApplicationStateC::refreshPanel()
{
    m_upModel->ReadInstrumentInfo();
    LevelLaserPlummetPanelC* pPanel = getLevelPanel();
    return pPanel && pPanel->isUpToDate();
}

void LevelLaserPlummetApplicationStateC::prepareShow()
{
    m_upModel->StartReadings();
}

void LevelLaserPlummetApplicationStateC::afterShow()
{
    if (m_upModel->isStarted())
        m_upModel->SetLaserPlummetOn(true);
}

void LevelLaserPlummetApplicationStateC::execute()
{
    PanelStateBaseC::execute();
    // A wait that the GUI stop cancelled leaves without OnExit(): the plummet goes off at once.
    if (m_upModel->isStarted())
        m_upModel->Stop();
}

void LevelLaserPlummetApplicationStateC::OnExit(int iExitCode)
{
    // The switch writes the simulated instrument's state: it waits until the next screen is up.
    m_upModel->StopWithPlummetLater();
    PanelStateBaseC::OnExit(iExitCode);
}

} // namespace APP
} // namespace KTX
