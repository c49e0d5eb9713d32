#pragma once
// Access to the running firmware: its version and the registry of loaders that receive uploads.
#include "Ferrolib/BSS_TSK_Component.h"
#include "Gaugelib/SDR_VersionRecord.h"

namespace LOD {
namespace LGE {
class LoaderRegistryC;
}
} // namespace LOD

namespace CMN {

// The platform registers its one accessor with BSS::TSK::ComponentRegistryC under CLASS_NAME
// when the library is loaded; modules look it up there to register their loader factories.
class FirmwareAccessorC : public BSS::TSK::SysComponentC
{
public:
    static constexpr const char* CLASS_NAME = "CMN::FirmwareAccessorC";

    FirmwareAccessorC();
    ~FirmwareAccessorC() override;

    LOD::LGE::LoaderRegistryC* getLoaderRegistry();

private:
    LOD::LGE::LoaderRegistryC* m_pLoaderRegistry;
};

// The running firmware's version: the simulator setting "Settings/FirmwareVersion"
// ("major.minor.build"); false when the setting is not a version.
bool getFirmwareVersion(SDR::VersionRecordC& rVersion);

} // namespace CMN
