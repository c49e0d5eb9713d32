#pragma once
#include "Ferrolib/BSS_SYS_Event.h"
#include "Ferrolib/BSS_TSK_Task.h"

#include <windows.h>

#include <atomic>

namespace KTX {

class MainEventLoopI;

// Turns the start, stop and level events into calls of the device configuration, on its own thread.
class FirmwareStarterTaskC : public BSS::TSK::TaskC
{
public:
    explicit FirmwareStarterTaskC(MainEventLoopI* pEventLoop);
    ~FirmwareStarterTaskC() override;

    static FirmwareStarterTaskC* instance();

    // Any thread may call these.
    void startGui();
    void stopGui();
    void stopApplication();
    void prepareStopApplication();

    bool isLevelStart() const;
    void stop(int iArg) override;
    void stopExecution();

protected:
    void execute() override;

private:
    BSS::SYS::EventC m_oStopApplicationEvent;
    BSS::SYS::EventC m_oPrepareStopEvent;
    BSS::SYS::EventC m_oStopGuiEvent;
    BSS::SYS::EventC m_oTaskStopEvent;
    MainEventLoopI* m_pEventLoop;
    std::atomic<bool> m_bLevelStart;
    HANDLE m_hLevelKeyEvent;

    static FirmwareStarterTaskC* s_pInstance;
};

} // namespace KTX
