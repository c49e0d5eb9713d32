#include "KTX/APP/KTX_APP_FormatApplicationModel.h"

#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Quillbase/CMN_DeviceManager.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FormatApplicationModel", __LINE__)

namespace KTX {
namespace APP {

FormatApplicationModelC::FormatApplicationModelC(int iMemoryDevice)
    : m_iMemoryDevice(iMemoryDevice)
{
}

FormatApplicationModelC::~FormatApplicationModelC() = default;

int FormatApplicationModelC::GetMemoryDevice() const
{
    return m_iMemoryDevice;
}

bool FormatApplicationModelC::IsMemoryDeviceAvailable() const
{
    switch (m_iMemoryDevice) {
    case MEMORY_DEVICE_SYSTEM:
        return CMN::isMemoryDeviceAvailable(CMN::MEMORY_DEVICE_FLASH)
            && CMN::isMemoryDeviceAvailable(CMN::MEMORY_DEVICE_INTERNAL);
    case MEMORY_DEVICE_SDCARD:
        // The card's own query, as the upload asks it: the entry works whenever a card is in.
        return CMN::isMemoryDeviceAvailable(CMN::MEMORY_DEVICE_SDCARD);
    default:
        KTX_APP_REPORT("Unsupported memory device.");
        return false;
    }
}

QString FormatApplicationModelC::GetMemoryDeviceLabel() const
{
    namespace TK = V40::LNG::TK;
    switch (m_iMemoryDevice) {
    case MEMORY_DEVICE_SYSTEM:
        return V40::LNG::getTextToken(TK::Format_System);
    case MEMORY_DEVICE_SDCARD:
        return V40::LNG::getTextToken(TK::Format_SDCard);
    default:
        return V40::LNG::getTextToken(TK::FileUpload_UnsupportedMemoryDevice);
    }
}

} // namespace APP
} // namespace KTX
