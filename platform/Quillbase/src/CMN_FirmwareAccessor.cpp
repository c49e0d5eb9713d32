#include "Quillbase/CMN_FirmwareAccessor.h"

#include "Quillbase/LOD_LGE_LoaderRegistry.h"
#include "SimInstrument/VSIM_Settings.h"

namespace CMN {

namespace {

// The platform's one accessor, there from library load to unload.
struct AccessorRegistrationS
{
    FirmwareAccessorC oAccessor;
    AccessorRegistrationS()
    {
        BSS::TSK::ComponentRegistryC::registerComponent(QLatin1String(FirmwareAccessorC::CLASS_NAME),
                                                        &oAccessor);
    }
    ~AccessorRegistrationS()
    {
        BSS::TSK::ComponentRegistryC::unregisterComponent(QLatin1String(FirmwareAccessorC::CLASS_NAME),
                                                          &oAccessor);
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
    return rVersion.fromText(VSIM::SettingsC::textValue(QStringLiteral("Settings/FirmwareVersion")));
}

} // namespace CMN
