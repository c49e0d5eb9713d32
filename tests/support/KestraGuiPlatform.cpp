#include "KestraGuiPlatform.h"

#include "KestraTest.h"

#include "Corvane/CFA_StartupConfiguration.h"
#include "Quillbase/CMN_System.h"
#include "V40_GUI_MainWindow.h"

#include <QApplication>
#include <QFile>
#include <QResource>

namespace KestraTest {

bool GuiPlatformC::start()
{
    // The controller and the framework find their resources beside the program: the build puts
    // copies beside the tests (shared by tests that run at once, so they are never removed here).
    QResource::registerResource(binDir() + "/Vela40GUIResources.rcc");
    m_upHelper = std::make_unique<KTX::ThreadSwitchHelperC>();
    m_upTask = std::make_unique<KTX::FirmwareStarterTaskC>(&m_oLoop);
    m_upFilter = std::make_unique<KTX::NativeEventFilterC>(nullptr, m_upTask.get());
    CFA::StartupConfigurationC::instance().setApplicationMode(2);
    m_upModule = std::make_unique<KTX::ModuleC>(1);
    return m_upModule->initModule(1) && m_upModule->startModule(1);
}

void GuiPlatformC::stop()
{
    if (existingMainWindow()) {
        CMN::closeApplication(CMN::CLOSE_GUI_ONLY, 0, 0);
        waitFor([this] { return controller().waitUntilStopped(0); });
    }
    m_upModule->stopModule(1);
    m_upModule->deinitModule(1);
    m_upModule.reset();
    m_upFilter.reset();
    m_upTask.reset();
    m_upHelper.reset();
}

V40::GUI::MainWindowC* existingMainWindow()
{
    for (QWidget* pWidget : QApplication::topLevelWidgets()) {
        if (auto* pMainWindow = qobject_cast<V40::GUI::MainWindowC*>(pWidget))
            return pMainWindow;
    }
    return nullptr;
}

int applicationMode()
{
    int iMode = 0;
    CFA::StartupConfigurationC::instance().getApplicationMode(iMode);
    return iMode;
}

} // namespace KestraTest
