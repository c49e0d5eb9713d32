#pragma once
#include "Quillbase/CDT_FIL_PathMapDefaultDirectory.h"

namespace CDT {
namespace FIL {

// Creates the folders the instrument expects on each memory device.
class TesselDefaultDirectoryC : public PathMapDefaultDirectoryI
{
public:
    TesselDefaultDirectoryC();
    ~TesselDefaultDirectoryC() override;

    // File-system errors escape as boost::filesystem::filesystem_error.
    void createDefaultDirectories(int iDevice) override;
};

} // namespace FIL
} // namespace CDT
