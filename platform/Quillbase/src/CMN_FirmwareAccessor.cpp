#include "Quillbase/CMN_FirmwareAccessor.h"

#include "CMN_FirmwareLoader.h"
#include "Quillbase/CMN_SystemInformation.h"
#include "Quillbase/LOD_LGE_LoaderRegistry.h"

namespace CMN {

namespace {

// The platform's one accessor, there from library load to unload.
// The platform's own firmware loader is the first one it asks.
struct AccessorRegistrationS
{
    FirmwareAccessorC oAccessor;
    FirmwareLoaderFactoryC oFirmwareLoaders;
    AccessorRegistrationS()
    {
        oAccessor.getLoaderRegistry()->addLoaderFactory(&oFirmwareLoaders);
        BSS::TSK::ComponentRegistryC::registerComponent(QLatin1String(FirmwareAccessorC::CLASS_NAME),
                                                        &oAccessor);
    }
    ~AccessorRegistrationS()
    {
        BSS::TSK::ComponentRegistryC::unregisterComponent(QLatin1String(FirmwareAccessorC::CLASS_NAME),
                                                          &oAccessor);
        oAccessor.getLoaderRegistry()->removeLoaderFactory(&oFirmwareLoaders);
    }
};

AccessorRegistrationS s_oAccessorRegistration;

} // namespace

FirmwareAccessorC::FirmwareAccessorC()
    : m_pLoaderRegistry(new LOD::LGE::LoaderRegistryC)
{
}

FirmwareAccessorC::~FirmwareAccessorC()
{
    delete m_pLoaderRegistry;
}

LOD::LGE::LoaderRegistryC* FirmwareAccessorC::getLoaderRegistry()
{
    return m_pLoaderRegistry;
}

bool getFirmwareVersion(SDR::VersionRecordC& rVersion)
{
    return getComponentVersion(COMPONENT_FIRMWARE, rVersion) == RC_SYSINFO_OK;
}

} // namespace CMN
