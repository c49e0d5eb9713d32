#include "KTX/APP/KTX_APP_FormatMemoryDeviceAvailableCheckState.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

FormatMemoryDeviceAvailableCheckStateC::FormatMemoryDeviceAvailableCheckStateC(QObject* parent)
    : MemoryDeviceAvailableCheckStateC(V40::LNG::TK::Format_IsNotAvailable, parent)
{
}

FormatMemoryDeviceAvailableCheckStateC::~FormatMemoryDeviceAvailableCheckStateC() = default;

} // namespace APP
} // namespace KTX
