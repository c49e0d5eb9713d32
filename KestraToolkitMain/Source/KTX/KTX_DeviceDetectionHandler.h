#pragma once
#include "Ferrolib/BSS_TSK_Command.h"
#include "Ferrolib/BSS_TSK_Component.h"

namespace KTX {

// Makes an attached hot-shoe device (types 63 and 71) the active device, unless one is active.
class DeviceDetectionHandlerC : public BSS::TSK::SysComponentC, public BSS::TSK::CommandC
{
public:
    DeviceDetectionHandlerC();
    ~DeviceDetectionHandlerC() override;

    bool startComponent(int iArg) override;
    bool stopComponent(int iArg) override;
    void executeCommand(const BSS::TSK::CommandParamS& rParams) override;

    void onDeviceNotification(int iCode, int iState);
};

} // namespace KTX
