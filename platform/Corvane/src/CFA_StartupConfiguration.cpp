#include "Corvane/CFA_StartupConfiguration.h"

#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_Trace.h"
#include "Marrowlib/CMN_GuiRunner.h"
#include "ModuleManager.h"
#include "Quillbase/CMN_System.h"

#include <mutex>
#include <QString>

#include <atomic>

namespace CFA {

namespace {

constexpr int kGuiStopWaitMs = 5000;

struct StartupS
{
    std::mutex oMutex;
    QString strStartupKey;
    std::atomic<int> iMode{APPLICATION_MODE_GUI};
};

StartupS& startup()
{
    static StartupS s_oStartup;
    return s_oStartup;
}

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("DeviceConfiguration");
    return s_oTrace;
}

QString startupKeyPath()
{
    std::unique_lock<std::mutex> oLock(startup().oMutex);
    return QStringLiteral("HKEY_LOCAL_MACHINE\\") + startup().strStartupKey;
}

} // namespace

StartupConfigurationC::StartupConfigurationC() = default;

StartupConfigurationC& StartupConfigurationC::instance()
{
    static StartupConfigurationC s_oInstance;
    return s_oInstance;
}

void StartupConfigurationC::setStartupRegistryKey(const wchar_t* pwszKey)
{
    // The application's start-up begins here: from now on a termination signal closes it.
    CMN::installTerminationHandlers();
    std::unique_lock<std::mutex> oLock(startup().oMutex);
    startup().strStartupKey = QString::fromWCharArray(pwszKey ? pwszKey : L"");
}

bool StartupConfigurationC::readStoredApplicationMode(int& riMode)
{
    if (startupKeyPath().endsWith('\\'))
        return false;
    const QVariant varMode = BSS::REG::openNativeSettings(startupKeyPath())->value(QStringLiteral("ApplicationMode"));
    bool bOk = false;
    const int iMode = varMode.toInt(&bOk);
    if (!varMode.isValid() || !bOk)
        return false;
    riMode = iMode;
    return true;
}

bool StartupConfigurationC::setApplicationMode(int iMode)
{
    startup().iMode = iMode;
    return true;
}

bool StartupConfigurationC::getApplicationMode(int& riMode)
{
    riMode = startup().iMode;
    return true;
}

void StartupConfigurationC::initialize()
{
    trace().write("Start-up: creating modules.\n");
    CMDL::ModuleManager::createAndInitModules();
    for (int iDevice = 0; iDevice < 8; ++iDevice)
        CMN::createDefaultDirectories(iDevice);
}

void StartupConfigurationC::start()
{
    trace().write("Start-up: starting modules.\n");
    CMDL::ModuleManager::startModules();
    if (startup().iMode == APPLICATION_MODE_GUI)
        showGui();
}

void StartupConfigurationC::showGui()
{
    // The loader's plain message loop runs no widgets: the process only takes uploads.
    if (CMN::isLoaderMode()) {
        trace().write("Loader mode: no GUI is shown; the loaders take uploads until the application stops.\n");
        return;
    }
    if (CMN::GuiRunnerC::show())
        trace().write("GUI shown.\n");
    else
        trace().write("Show GUI: no GUI loop registered or GUI shown already.\n");
}

void StartupConfigurationC::hideGui()
{
    if (CMN::GuiRunnerC::hide())
        trace().write("GUI hidden.\n");
}

void StartupConfigurationC::prepareStop()
{
    HWND hReceiver = CMN::receiverWindow();
    if (!hReceiver || !PostMessageW(hReceiver, WM_APP + 100, 0, 0))
        trace().write("Prepare stop: no receiver window.\n");
}

void StartupConfigurationC::stopApplication()
{
    trace().write("Stopping application.\n");
    CMN::GuiRunnerC::hide();
    CMDL::ModuleManager::stopAndDestroyModules(kGuiStopWaitMs);
}

} // namespace CFA
