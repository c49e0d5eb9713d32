#include "Quillbase/CMN_Format.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_TSK_Command.h"
#include "Marrowlib/CCF_FormatService.h"
#include "Quillbase/CMN_DeviceManager.h"
#include "Quillbase/CMN_Power.h"
#include "Quillbase/CMN_System.h"

namespace CMN {

namespace {

// Every formatted device, whichever service formatted it, gets its default tree again.
struct DefaultTreeAfterFormatS
{
    BSS::TSK::CommandC oCommand;
    DefaultTreeAfterFormatS()
    {
        oCommand.bindCommand([](int iDevice, int) { createDefaultDirectories(iDevice); });
        oCommand.subscribe(&CCF::formattedDeviceSource());
    }
};

DefaultTreeAfterFormatS s_oDefaultTreeAfterFormat;

} // namespace

int formatMemoryDevice()
{
    const int iDeviceType = CCF::preparedDeviceType();
    const bool bPrepared = CCF::formatStage() == CCF::FORMAT_STAGE_COMMITTED;
    CCF::resetFormatPreparation();
    if (!bPrepared || iDeviceType != MEMORY_DEVICE_SDCARD || isMemoryDeviceMounted(iDeviceType))
        return CCF::RC_FORMAT_NOT_PREPARED;
    const int iDevice = pathMapDevice(iDeviceType);
    if (!BSS::HAL::isDevicePresent(BSS::HAL::getDeviceRootPath(iDevice)))
        return CCF::RC_FORMAT_NOT_AVAILABLE;
    if (!hasCapacityFor(MIN_CAPACITY_FOR_UPDATE))
        return RC_BATTERY_LOW;
    return CCF::eraseMemoryDevice(iDevice);
}

} // namespace CMN
