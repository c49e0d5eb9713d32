#pragma once
#include "Ferrolib/BSS_SYS_Event.h"
#include "Ferrolib/BSS_TSK_Component.h"
#include "V40_GUI_WorkerThread.h"

#include <QObject>

namespace V40 {
namespace APP {
class AbstractApplicationC;
}
namespace GUI {
class MenuContainerC;
}
} // namespace V40

namespace KTX {

// Owns the GUI while it runs: the language manager, the main window and the root menu.
class MainControllerC : public QObject, public BSS::TSK::SysComponentContainerC
{
    Q_OBJECT

public:
    MainControllerC();
    ~MainControllerC() override;

    bool initComponent(int iArg) override;
    bool startComponent(int iArg) override;
    bool waitUntilStopped(int iTimeoutMs) override;
    // The platform is about to run the GUI (any thread): from now on a stop waits for stopGui().
    void onGuiRunStarting();
    bool deinitComponent(int iArg) override;

    V40::GUI::MenuContainerC* rootMenuContainer() const;

signals:
    // The screens to come are prepared (after the first frame of a GUI run).
    void laterScreensPrepared();

public slots:
    void requestQuit();
    void quit();
    void onLanguageChanged();
    void startGui();
    void stopGui();

private:
    void buildRootMenu();
    void prepareLaterScreens();
    void runLevelApplication();
    // Cancels every open wait and runs pfnStep once they have all returned.
    void afterWaitsUnwound(void (MainControllerC::*pfnStep)());
    void waitForWorkerThread();
    // The level application of the level key and of the main menu; the caller owns it.
    static V40::APP::AbstractApplicationC* createLevelApplication();

    V40::GUI::MenuContainerC* m_pRootMenuContainer;
    V40::GUI::WorkerThreadC m_oWorkerThread;
    BSS::SYS::EventC m_oGuiStoppedEvent;
};

} // namespace KTX
