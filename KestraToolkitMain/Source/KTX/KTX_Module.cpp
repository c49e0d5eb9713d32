#include "KTX/KTX_Module.h"

#include "KTX/KTX_ThreadSwitchHelper.h"

#include "Marrowlib/CMN_GuiEventLoop.h"
#include "Quillbase/CMN_System.h"
#include "V40_GUI_Desktop.h"

namespace KTX {

ModuleC::ModuleC(int iArg)
    : CMDL::ModuleBaseC(iArg)
    , m_pDesktop(nullptr)
{
    addChild(&m_oMainController);
    addChild(&m_oShutDownHook);
}

ModuleC::~ModuleC()
{
    // The desktop unregisters itself from the GUI registry.
    delete m_pDesktop;
    removeChild(&m_oShutDownHook);
    removeChild(&m_oMainController);
}

bool ModuleC::initModule(int iArg)
{
    if (ThreadSwitchHelperC* pHelper = ThreadSwitchHelperC::instance())
        pHelper->setMainController(&m_oMainController);
    CMN::registerShutdownHook(&m_oShutDownHook);
    return CMDL::ModuleBaseC::initModule(iArg);
}

bool ModuleC::startModule(int iArg)
{
    if (!m_pDesktop) {
        m_pDesktop = new V40::GUI::DesktopC;
        // Direct, on the platform's GUI thread: a stop that follows at once must already wait.
        MainControllerC* pMainController = &m_oMainController;
        QObject::connect(m_pDesktop, &V40::GUI::DesktopC::started, &m_oMainController,
                         [pMainController] { pMainController->onGuiRunStarting(); }, Qt::DirectConnection);
        if (ThreadSwitchHelperC* pHelper = ThreadSwitchHelperC::instance()) {
            QObject::connect(m_pDesktop, &V40::GUI::DesktopC::started, pHelper, &ThreadSwitchHelperC::startGui,
                             Qt::QueuedConnection);
            QObject::connect(m_pDesktop, &V40::GUI::DesktopC::stopped, pHelper, &ThreadSwitchHelperC::stopGui,
                             Qt::QueuedConnection);
        }
        CMN::GuiRegistryC::registerGuiEventLoop(m_pDesktop);
    }
    return CMDL::ModuleBaseC::startModule(iArg);
}

bool ModuleC::deinitModule(int iArg)
{
    if (ThreadSwitchHelperC* pHelper = ThreadSwitchHelperC::instance())
        pHelper->clearMainController();
    // A hook left registered would outlive this module.
    CMN::unregisterShutdownHook(&m_oShutDownHook);
    return CMDL::ModuleBaseC::deinitModule(iArg);
}

MainControllerC& ModuleC::mainController()
{
    return m_oMainController;
}

V40::GUI::DesktopC* ModuleC::desktop() const
{
    return m_pDesktop;
}

} // namespace KTX
