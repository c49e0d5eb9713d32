#pragma once
#include "Ferrolib/BSS_HAL_ShutdownHook.h"
#include "Ferrolib/BSS_TSK_Component.h"

namespace KTX {

// Puts the module into the platform's shutdown sequence; there is nothing to do at shutdown.
class FirmwareShutDownHookC : public BSS::HAL::ShutdownHookI, public BSS::TSK::SysComponentC
{
public:
    FirmwareShutDownHookC();
    ~FirmwareShutDownHookC() override;

    void onShutdown(unsigned int uReason) override;
    bool startComponent(int iArg) override;
};

} // namespace KTX
