#include "Corvane/CFA_DeviceConfiguration.h"

#include "Marrowlib/CCF_FormatService.h"
#include "Quillbase/CMN_DeviceManager.h"

namespace CFA {

int prepareDeviceConfigurationChange()
{
    const int iDeviceType = CCF::preparedDeviceType();
    // Nothing may use a device that is still mounted.
    if (iDeviceType < 0 || CMN::isMemoryDeviceMounted(iDeviceType)
        || !CCF::advanceFormatStage(CCF::FORMAT_STAGE_RELEASED))
        return CCF::RC_FORMAT_NOT_PREPARED;
    return CCF::RC_FORMAT_OK;
}

int applyDeviceConfigurationChange()
{
    return CCF::advanceFormatStage(CCF::FORMAT_STAGE_COMMITTED) ? int(CCF::RC_FORMAT_OK)
                                                                : int(CCF::RC_FORMAT_NOT_PREPARED);
}

} // namespace CFA
