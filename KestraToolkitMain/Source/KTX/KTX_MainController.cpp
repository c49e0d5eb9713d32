#include "KTX/KTX_MainController.h"

#include "KTX/APP/KTX_APP_AtmosphericSettingsApplication.h"
#include "KTX/APP/KTX_APP_CalibrationApplication.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsApplication.h"
#include "KTX/APP/KTX_APP_DateTimeSettingsApplication.h"
#include "KTX/APP/KTX_APP_FormatApplication.h"
#include "KTX/APP/KTX_APP_FormatApplicationModel.h"
#include "KTX/APP/KTX_APP_LevelLaserPlummetApplication.h"
#include "KTX/APP/KTX_APP_SystemInformationApplication.h"
#include "KTX/APP/KTX_APP_UnitSettingsApplication.h"
#include "KTX/APP/KTX_APP_UploadFileApplication.h"
#include "KTX/APP/KTX_APP_UploadFileModel.h"
#include "KTX/KTX_FirmwareStarterTask.h"
#include "KTX/KTX_ThreadSwitchHelper.h"
#include "KTX/LNG/KTX_LNG_LanguageManager.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_Fonts.h"
#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_HAL_Platform.h"
#include "Ferrolib/BSS_Trace.h"
#include "Quillbase/CMN_System.h"
#include "V40_APP_AbstractApplication.h"
#include "V40_APP_WaitLoop.h"
#include "V40_GUI_ApplicationMenuComponent.h"
#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_MenuContainer.h"
#include "V40_GUI_MenuContainerProperties.h"
#include "V40_GUI_MessagePanel.h"
#include "V40_GUI_UTI_Resources.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include <QCoreApplication>
#include <QPointer>
#include <QResource>
#include <QThread>

#include <functional>
#include <memory>

namespace KTX {

namespace {

const char* const kSource = "KTX_MainController";
// How often the GUI stop looks whether the worker thread is done.
const int s_iWorkerPollMs = 10;
BSS::TraceChannelC s_oTrace("KestraToolkit");
const char* const kResourceFile = "KestraToolkitMainResources.rcc";

using V40::GUI::MenuContainerC;
using V40::GUI::MenuContainerPropertiesC;
namespace TK = V40::LNG::TK;

QString resourceFilePath()
{
    return V40::GUI::UTI::resourceFilePathBesideProgram(QString::fromLatin1(kResourceFile));
}

// Runs the steps one per round of the event loop while the context lives: a key pressed
// meanwhile waits for one step at most.
void runOnePerRound(QObject* pContext, QList<std::function<void()>> lstSteps)
{
    if (!pContext || lstSteps.isEmpty())
        return;
    QMetaObject::invokeMethod(
        pContext,
        [pContext, lstSteps]() mutable {
            lstSteps.takeFirst()();
            runOnePerRound(pContext, lstSteps);
        },
        Qt::QueuedConnection);
}

// The application entries of the menu tree below pContainer, in the order of the menus.
void collectApplicationComponents(V40::GUI::MenuContainerC* pContainer,
                                  QList<QPointer<V40::GUI::ApplicationMenuComponentC>>& rlstComponents)
{
    for (V40::GUI::AbstractMenuComponentC* pComponent : pContainer->components()) {
        if (auto* pMenu = qobject_cast<V40::GUI::MenuContainerC*>(pComponent))
            collectApplicationComponents(pMenu, rlstComponents);
        else if (auto* pEntry = qobject_cast<V40::GUI::ApplicationMenuComponentC*>(pComponent))
            rlstComponents << pEntry;
    }
}
} // namespace

MainControllerC::MainControllerC()
    : QObject(nullptr)
    , m_pRootMenuContainer(nullptr)
    , m_oGuiStoppedEvent(BSS::SYS::EventC::MANUAL_RESET)
{
    addChild(&m_oWorkerThread);
}

MainControllerC::~MainControllerC()
{
    removeChild(&m_oWorkerThread);
    if (m_pRootMenuContainer) {
        BSS_ASSERT_REPORT("0 == m_pRootMenuContainer", kSource, 47);
        delete m_pRootMenuContainer;
        m_pRootMenuContainer = nullptr;
    }
}

bool MainControllerC::initComponent(int iArg)
{
    if (!QResource::registerResource(resourceFilePath()))
        BSS_ASSERT_REPORT("Could not register Resources.", kSource, 343);
    return BSS::TSK::SysComponentContainerC::initComponent(iArg);
}

bool MainControllerC::startComponent(int iArg)
{
    // No GUI runs yet: a stop before the first GUI start has nothing to wait for.
    m_oGuiStoppedEvent.set();
    return BSS::TSK::SysComponentContainerC::startComponent(iArg);
}

void MainControllerC::onGuiRunStarting()
{
    m_oGuiStoppedEvent.reset();
}

bool MainControllerC::waitUntilStopped(int iTimeoutMs)
{
    return m_oGuiStoppedEvent.wait(unsigned(iTimeoutMs));
}

bool MainControllerC::deinitComponent(int iArg)
{
    if (!QResource::unregisterResource(resourceFilePath()))
        BSS_ASSERT_REPORT("Could not unregister Resources.", kSource, 356);
    return BSS::TSK::SysComponentContainerC::deinitComponent(iArg);
}

V40::GUI::MenuContainerC* MainControllerC::rootMenuContainer() const
{
    return m_pRootMenuContainer;
}

void MainControllerC::startGui()
{
    if (V40::APP::WaitLoopC::isCancelling()) {
        // The last GUI is still unwinding its applications: this one starts after it is gone.
        afterWaitsUnwound(&MainControllerC::startGui);
        return;
    }
    // Every GUI run ends with its own stop: the event set by the last stop must not count.
    m_oGuiStoppedEvent.reset();
    const QString strLanguageDir = QString::fromLocal8Bit(BSS::HAL::getLanguageDirectory(-1).c_str());
    // A second start without a stop keeps the language manager it has.
    if (!LNG::LanguageManagerC::s_poInstance)
        LNG::LanguageManagerC::s_poInstance = new LNG::LanguageManagerC(strLanguageDir);
    if (!LNG::LanguageManagerC::Instance())
        BSS_ASSERT_REPORT("0 != LNG::LanguageManagerC::Instance()", kSource, 111);
    else if (!BSS::TSK::SysComponentContainerC::children().contains(LNG::LanguageManagerC::Instance()))
        addChild(LNG::LanguageManagerC::Instance());

    // The first window's fonts come from the configuration the process began to read at its start.
    BSS::HAL::waitForFonts();
    V40::GUI::MainWindowC::create();
    V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance();
    FirmwareStarterTaskC* pStarterTask = FirmwareStarterTaskC::instance();
    if (pStarterTask && pStarterTask->isLevelStart()) {
        runLevelApplication();
        return;
    }

    buildRootMenu();
    if (!m_pRootMenuContainer) {
        BSS_ASSERT_REPORT("m_pRootMenuContainer", kSource, 136);
        return;
    }
    connect(m_pRootMenuContainer, &MenuContainerC::escape, this, &MainControllerC::requestQuit,
            Qt::UniqueConnection);
    if (pMainWindow)
        connect(pMainWindow, &V40::GUI::MainWindowC::firstFrameShown, this, &MainControllerC::prepareLaterScreens,
                Qt::UniqueConnection);
    if (ThreadSwitchHelperC* pHelper = ThreadSwitchHelperC::instance())
        connect(pMainWindow, &V40::GUI::MainWindowC::languageChanged, pHelper,
                &ThreadSwitchHelperC::onLanguageChanged,
                Qt::ConnectionType(Qt::QueuedConnection | Qt::UniqueConnection));
    if (pMainWindow) {
        pMainWindow->show();
        pMainWindow->raise();
        pMainWindow->activateWindow();
    }
    m_pRootMenuContainer->onSelected();
}

void MainControllerC::prepareLaterScreens()
{
    // Done while the main menu waits for its first key: the submenus' pages, the fonts and the
    // images of the screens to come, and the first screen of every application built ahead, so
    // that an opening only brings it up to date.
    QPointer<MenuContainerC> pRoot = m_pRootMenuContainer;
    QList<std::function<void()>> lstSteps {[pRoot] {
                                               if (pRoot)
                                                   pRoot->prepareSubmenus();
                                           },
                                           [] { V40::GUI::prepareLookFonts(); },
                                           [] {
                                               V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance();
                                               if (pMainWindow && pMainWindow->functionKeyBar())
                                                   pMainWindow->functionKeyBar()->prepareMenuFaces();
                                           },
                                           [] { V40::GUI::UTI::prepareResourcePixmaps(QStringLiteral(":/Images")); }};
    QList<QPointer<V40::GUI::ApplicationMenuComponentC>> lstEntries;
    if (pRoot)
        collectApplicationComponents(pRoot, lstEntries);
    for (const QPointer<V40::GUI::ApplicationMenuComponentC>& pEntry : qAsConst(lstEntries)) {
        lstSteps << [pEntry] {
            // Skipped by the application itself while any wait runs.
            if (pEntry && pEntry->application())
                pEntry->application()->warmUpFirstState();
        };
    }
    QPointer<MainControllerC> pThis = this;
    lstSteps << [pThis] {
        if (pThis)
            emit pThis->laterScreensPrepared();
    };
    runOnePerRound(V40::GUI::MainWindowC::instance(), lstSteps);
}

void MainControllerC::runLevelApplication()
{
    if (V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance()) {
        pMainWindow->show();
        pMainWindow->raise();
        pMainWindow->activateWindow();
    }
    std::unique_ptr<V40::APP::AbstractApplicationC> upApplication(createLevelApplication());
    if (upApplication)
        upApplication->run();
    // The level key's GUI ends with its application, unless the GUI is going already.
    if (!V40::APP::WaitLoopC::isCancelling())
        CMN::closeApplication(CMN::CLOSE_GUI_ONLY, 0, 0);
}

V40::APP::AbstractApplicationC* MainControllerC::createLevelApplication()
{
    return new APP::LevelLaserPlummetApplicationC();
}

void MainControllerC::buildRootMenu()
{
    if (m_pRootMenuContainer) {
        BSS_ASSERT_REPORT("0 == m_pRootMenuContainer", kSource, 200);
        return;
    }
    const int iIcon = MenuContainerPropertiesC::MENU_TYPE_ICON;
    const int iText = MenuContainerPropertiesC::MENU_TYPE_TEXT;
    m_pRootMenuContainer = new MenuContainerC(iIcon, TK::Menu_MAINMENU, 0, QString());
    MenuContainerC* pRoot = m_pRootMenuContainer;

    pRoot->addComponent(new V40::GUI::ApplicationMenuComponentC(
        createLevelApplication(), TK::Menu_Level, QStringLiteral(":/Images/level.png"), nullptr));
    pRoot->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::SystemInformationApplicationC(0), TK::Menu_Sysinfo, QStringLiteral(":/Images/sysinfo.png"), nullptr));
    MenuContainerC* pSettings =
        pRoot->addComponent(new MenuContainerC(iIcon, TK::Menu_SETTINGS, TK::Menu_Settings, QStringLiteral(":/Images/settings.png")));
    pSettings->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::UnitSettingsApplicationC(), TK::Menu_Unit, QStringLiteral(":/Images/general.png"), nullptr));
    pSettings->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::DateTimeSettingsApplicationC(), TK::Menu_DateTime, QStringLiteral(":/Images/datetime.png"), nullptr));
    pSettings->addComponent(new V40::GUI::ApplicationMenuComponentC(new APP::CommunicationSettingsApplicationC(),
                                                                    TK::Menu_Comm, QStringLiteral(":/Images/communication.png"), nullptr));
    pSettings->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::AtmosphericSettingsApplicationC(), TK::Menu_Atmos, QStringLiteral(":/Images/atmos.png"), nullptr));
    MenuContainerC* pApps =
        pRoot->addComponent(new MenuContainerC(iIcon, TK::Menu_APPS, TK::Menu_Apps, QStringLiteral(":/Images/apps.png")));
    MenuContainerC* pUpdate =
        pApps->addComponent(new MenuContainerC(iText, TK::Menu_UPDATE, TK::Menu_Update, QStringLiteral(":/Images/update.png")));
    pUpdate->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::UploadFileApplicationC(APP::UploadFileModelC::FILE_TYPE_FIRMWARE), TK::Menu_Firmware, QString(), pRoot));
    pUpdate->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::UploadFileApplicationC(APP::UploadFileModelC::FILE_TYPE_LANGUAGE), TK::Menu_Language, QString(), pRoot));
    MenuContainerC* pCalibration =
        pApps->addComponent(new MenuContainerC(iText, TK::Menu_CALIBRATION, TK::Menu_Calib, QStringLiteral(":/Images/calib.png")));
    pCalibration->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::CalibrationApplicationC(APP::CalibrationApplicationC::ENTRY_CALIBRATE_ALL), TK::Menu_CalibrateAll, QString(), pRoot));
    pCalibration->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::CalibrationApplicationC(APP::CalibrationApplicationC::ENTRY_CALIBRATE_WITHOUT_ATR),
        TK::Menu_CalibrateWithoutTrevo, QString(), pRoot));
    pCalibration->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::CalibrationApplicationC(APP::CalibrationApplicationC::ENTRY_VIEW_DATA), TK::Menu_ViewAdjustmentData,
        QString(), nullptr));
    MenuContainerC* pFormat =
        pApps->addComponent(new MenuContainerC(iText, TK::Menu_FORMAT, TK::Menu_Format, QStringLiteral(":/Images/format.png")));
    pFormat->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::FormatApplicationC(APP::FormatApplicationModelC::MEMORY_DEVICE_SYSTEM), TK::Menu_System, QString(), nullptr));
    pFormat->addComponent(new V40::GUI::ApplicationMenuComponentC(
        new APP::FormatApplicationC(APP::FormatApplicationModelC::MEMORY_DEVICE_SDCARD), TK::Menu_SDCard, QString(), nullptr));
}

void MainControllerC::afterWaitsUnwound(void (MainControllerC::*pfnStep)())
{
    QPointer<MainControllerC> pThis(this);
    V40::APP::WaitLoopC::cancelAll([pThis, pfnStep] {
        if (pThis)
            (pThis.data()->*pfnStep)();
    });
}

void MainControllerC::stopGui()
{
    if (V40::APP::WaitLoopC::depth() > 0 || V40::APP::WaitLoopC::isCancelling()) {
        // Applications and messages are open on the call stack: they end first (nothing more is
        // stored or asked), and the GUI is torn down once they have all returned.
        afterWaitsUnwound(&MainControllerC::stopGui);
        return;
    }
    if (V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance()) {
        pMainWindow->hide();
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
    waitForWorkerThread();
    delete m_pRootMenuContainer;
    m_pRootMenuContainer = nullptr;
    V40::GUI::MainWindowC::destroy();

    LNG::LanguageManagerC* pLanguageManager = LNG::LanguageManagerC::Instance();
    if (!pLanguageManager) {
        BSS_ASSERT_REPORT("LNG::LanguageManagerC::Instance()", kSource, 179);
    } else {
        removeChild(pLanguageManager);
        if (!LNG::LanguageManagerC::s_poInstance)
            BSS_ASSERT_REPORT("LNG::LanguageManagerC::s_poInstance", kSource, 184);
        delete pLanguageManager;
        LNG::LanguageManagerC::s_poInstance = nullptr;
    }
    m_oGuiStoppedEvent.set();
}

void MainControllerC::waitForWorkerThread()
{
    // Work that was under way when the GUI stopped (an upload) ends first: it may still hand a
    // result to the GUI thread (a new language) and wait for it, so events are processed
    // meanwhile, and the language manager it hands it to must still be there.
    if (m_oWorkerThread.pendingCount() == 0)
        return;
    s_oTrace.write("stopGui: waiting for the worker thread\n");
    while (m_oWorkerThread.pendingCount() > 0) {
        QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents, s_iWorkerPollMs);
        QThread::msleep(s_iWorkerPollMs);
    }
}

void MainControllerC::requestQuit()
{
    const int iAnswer = V40::GUI::MessagePanelC::information(
        V40::LNG::getTextToken(TK::Global_Exit), V40::GUI::MessagePanelC::BUTTONS_YES_NO, -1,
        V40::GUI::MessagePanelC::RESULT_OK);
    if (m_pRootMenuContainer)
        m_pRootMenuContainer->onSelected();
    if (iAnswer == V40::GUI::MessagePanelC::RESULT_YES)
        quit();
}

void MainControllerC::quit()
{
    int iCloseCode = CMN::CLOSE_GUI_ONLY;
    if (BSS::HAL::getPlatformKind() == BSS::HAL::PLATFORM_SIMULATOR)
        iCloseCode = CMN::CLOSE_APPLICATION;
    else if (BSS::HAL::isSwitchOn("SHUTDOWN_FIRMWARE"))
        iCloseCode = CMN::CLOSE_APPLICATION;
    CMN::closeApplication(iCloseCode, 0, 0);
}

void MainControllerC::onLanguageChanged()
{
    if (!m_pRootMenuContainer) {
        // An upload's new language may be queued before a stop and delivered after it: with the
        // GUI gone there is nothing to retranslate, and the next start reads the new language.
        if (!m_oGuiStoppedEvent.wait(0))
            BSS_ASSERT_REPORT("m_pRootMenuContainer", kSource, 158);
        return;
    }
    m_pRootMenuContainer->retranslate();
}

} // namespace KTX
