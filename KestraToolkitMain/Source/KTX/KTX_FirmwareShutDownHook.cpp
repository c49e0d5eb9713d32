#include "KTX/KTX_FirmwareShutDownHook.h"

namespace KTX {

FirmwareShutDownHookC::FirmwareShutDownHookC() = default;

FirmwareShutDownHookC::~FirmwareShutDownHookC() = default;

void FirmwareShutDownHookC::onShutdown(unsigned int)
{
}

bool FirmwareShutDownHookC::startComponent(int iArg)
{
    return BSS::TSK::SysComponentC::startComponent(iArg);
}

} // namespace KTX
