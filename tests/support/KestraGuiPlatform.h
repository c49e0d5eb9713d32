#pragma once
// The running toolkit inside a test process: the thread switch helper, the starter task on a
// stand-in main loop, the hidden window and the GUI module, set up as the main entry does, so
// that the platform starts and stops the real GUI with its real main controller.
#include "KTX/KTX_FirmwareStarterTask.h"
#include "KTX/KTX_MainEventLoop.h"
#include "KTX/KTX_Module.h"
#include "KTX/KTX_NativeEventFilter.h"
#include "KTX/KTX_ThreadSwitchHelper.h"

#include <atomic>
#include <memory>

namespace V40 {
namespace GUI {
class MainWindowC;
}
} // namespace V40

namespace KestraTest {

// Stands for the main loop: counts the quits the starter task asks for.
class FakeMainLoopC : public KTX::MainEventLoopI
{
public:
    int run() override { return 0; }
    void quit() override { ++m_iQuits; }
    std::atomic<int> m_iQuits{0};
};

class GuiPlatformC
{
public:
    // Starts without a GUI (application mode 2); false when the module did not come up.
    bool start();
    // Closes a GUI that is still shown and takes everything down again.
    void stop();

    KTX::FirmwareStarterTaskC& task() { return *m_upTask; }
    KTX::ModuleC& module() { return *m_upModule; }
    KTX::MainControllerC& controller() { return m_upModule->mainController(); }
    int loopQuits() const { return m_oLoop.m_iQuits; }

private:
    FakeMainLoopC m_oLoop;
    std::unique_ptr<KTX::ThreadSwitchHelperC> m_upHelper;
    std::unique_ptr<KTX::FirmwareStarterTaskC> m_upTask;
    std::unique_ptr<KTX::NativeEventFilterC> m_upFilter;
    std::unique_ptr<KTX::ModuleC> m_upModule;
};

// The main window if there is one, without the report instance() makes when there is none.
V40::GUI::MainWindowC* existingMainWindow();
int applicationMode();

} // namespace KestraTest
