#pragma once
#include "KTX/KTX_FirmwareShutDownHook.h"
#include "KTX/KTX_MainController.h"

#include "Corvane/CMDL_Module.h"

namespace V40 {
namespace GUI {
class DesktopC;
}
} // namespace V40

namespace KTX {

// The GUI module: holds the main controller and hands the desktop to the platform.
class ModuleC : public CMDL::ModuleBaseC
{
public:
    explicit ModuleC(int iArg);
    ~ModuleC() override;

    bool initModule(int iArg) override;
    bool startModule(int iArg) override;
    bool deinitModule(int iArg) override;

    MainControllerC& mainController();
    V40::GUI::DesktopC* desktop() const;

private:
    MainControllerC m_oMainController;
    FirmwareShutDownHookC m_oShutDownHook;
    V40::GUI::DesktopC* m_pDesktop;
};

} // namespace KTX
