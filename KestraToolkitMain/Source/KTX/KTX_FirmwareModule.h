#pragma once
#include "KTX/KTX_DeviceDetectionHandler.h"
#include "LOD/LOD_KestraLoaderFactory.h"

#include "Corvane/CMDL_Module.h"

namespace KTX {

// The firmware module: receives language uploads and reacts to attached devices.
class FirmwareModuleC : public CMDL::ModuleBaseC
{
public:
    explicit FirmwareModuleC(int iArg);
    ~FirmwareModuleC() override;

    bool registerServices(int iArg) override;
    bool unregisterServices(int iArg) override;

    LOD::KestraLoaderFactoryC& loaderFactory();

private:
    LOD::KestraLoaderFactoryC m_oLoaderFactory;
    DeviceDetectionHandlerC m_oDeviceDetectionHandler;
};

} // namespace KTX
