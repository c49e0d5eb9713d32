#include "KTX/APP/KTX_APP_FormatState.h"

#include "KTX/APP/KTX_APP_FormatApplicationModel.h"

#include "Corvane/CFA_DeviceConfiguration.h"
#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_Platform.h"
#include "Marrowlib/CCF_FormatService.h"
#include "Quillbase/CMN_DeviceManager.h"
#include "Quillbase/CMN_Format.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FormatState", __LINE__)

namespace KTX {
namespace APP {

FormatStateC::FormatStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

FormatStateC::~FormatStateC() = default;

void FormatStateC::execute()
{
    const FormatApplicationModelC* pModel = dynamic_cast<const FormatApplicationModelC*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    const bool bInstrument = BSS::HAL::getPlatformKind() == BSS::HAL::PLATFORM_INSTRUMENT;
    int iResult = 0;
    switch (pModel->GetMemoryDevice()) {
    case FormatApplicationModelC::MEMORY_DEVICE_SYSTEM:
        if (bInstrument)
            iResult = CCF::formatMemory(CCF::FORMAT_SYSTEM_MEMORY);
        break;
    case FormatApplicationModelC::MEMORY_DEVICE_SDCARD:
        if (bInstrument)
            iResult = pModel->IsMemoryDeviceAvailable() ? formatSdCard() : int(CCF::RC_FORMAT_NOT_AVAILABLE);
        break;
    default:
        KTX_APP_REPORT("Unsupported memory device.");
        return;
    }
    setApplicationResult(iResult);
    if (iResult == 0)
        OnSuccess();
    else
        OnFail();
}

int FormatStateC::formatSdCard()
{
    if (!CMN::unmountMemoryDevice(CMN::MEMORY_DEVICE_SDCARD))
        return CCF::RC_FORMAT_NOT_AVAILABLE;
    int iResult = CCF::prepareDeviceConfiguration(CMN::MEMORY_DEVICE_SDCARD, 1, 0);
    // A preparation that failed formats nothing.
    if (iResult == 0)
        iResult = CFA::prepareDeviceConfigurationChange();
    if (iResult == 0)
        iResult = CFA::applyDeviceConfigurationChange();
    if (iResult == 0)
        iResult = CMN::formatMemoryDevice();
    // The card is mounted again however the format went, so that what is left on it can be read.
    CMN::mountMemoryDevice(CMN::MEMORY_DEVICE_SDCARD);
    return iResult;
}

} // namespace APP
} // namespace KTX
