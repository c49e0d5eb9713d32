#include "KTX/CDT_FIL_TesselDefaultDirectory.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Quillbase/CMN_System.h"

#include <boost/filesystem.hpp>

namespace CDT {
namespace FIL {

namespace {
constexpr int kStateNotAvailable = 0xFFFF;
}

TesselDefaultDirectoryC::TesselDefaultDirectoryC() = default;

TesselDefaultDirectoryC::~TesselDefaultDirectoryC() = default;

void TesselDefaultDirectoryC::createDefaultDirectories(int iDevice)
{
    if (CMN::PlatformStateC().getValue() == kStateNotAvailable)
        return;
    namespace fs = boost::filesystem;
    const fs::path oRoot(BSS::HAL::getDeviceRootPath(iDevice));
    switch (iDevice) {
    case 0:
        fs::create_directories(oRoot / "System");
        fs::create_directories(oRoot / "Data" / "Dialect" / "Images" / "ATR");
        break;
    case 2:
        fs::create_directories(oRoot / "Gps");
        fs::create_directories(oRoot / "System");
        fs::create_directories(oRoot / "System" / "Temp");
        fs::create_directories(fs::path(BSS::HAL::getSystemDirectory()));
        break;
    case 6:
        fs::create_directories(oRoot / "Gps");
        break;
    case 1:
    case 4:
    case 5:
    case 7:
        break;
    default:
        return;
    }
    if (iDevice != 2 && iDevice != 6 && BSS::HAL::isDevicePresent(oRoot.string())) {
        fs::create_directories(oRoot / "Gps");
        fs::create_directories(oRoot / "System");
    }
}

} // namespace FIL
} // namespace CDT
