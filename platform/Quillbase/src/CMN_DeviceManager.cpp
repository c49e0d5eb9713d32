#include "Quillbase/CMN_DeviceManager.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_Trace.h"

#include <QFile>
#include <QFileInfo>

#include <atomic>

namespace CMN {

namespace {
std::atomic<bool> s_bSdCardUnmounted{false};
} // namespace

int pathMapDevice(int iDeviceType)
{
    switch (iDeviceType) {
    case MEMORY_DEVICE_INTERNAL:
        return BSS::HAL::DEVICE_INTERNAL;
    case MEMORY_DEVICE_FLASH:
        return BSS::HAL::DEVICE_FLASH;
    case MEMORY_DEVICE_SDCARD:
        return BSS::HAL::DEVICE_SDCARD;
    default:
        return -1;
    }
}

bool isMemoryDeviceAvailable(int iDeviceType)
{
    const int iDevice = pathMapDevice(iDeviceType);
    if (iDevice < 0 || !isMemoryDeviceMounted(iDeviceType))
        return false;
    const std::string strRoot = BSS::HAL::getDeviceRootPath(iDevice);
    if (iDeviceType != MEMORY_DEVICE_SDCARD)
        return BSS::HAL::isDevicePresent(strRoot);
    // An inserted card without its folder cannot be read either.
    return BSS::HAL::isDevicePresent(strRoot) && QFileInfo(QFile::decodeName(strRoot.c_str())).isDir();
}

bool unmountMemoryDevice(int iDeviceType)
{
    if (iDeviceType != MEMORY_DEVICE_SDCARD)
        return false;
    s_bSdCardUnmounted = true;
    BSS::TraceChannelC("Platform").write("Device manager: memory device %d unmounted\n", iDeviceType);
    return true;
}

bool mountMemoryDevice(int iDeviceType)
{
    if (iDeviceType != MEMORY_DEVICE_SDCARD)
        return false;
    s_bSdCardUnmounted = false;
    BSS::TraceChannelC("Platform").write("Device manager: memory device %d mounted\n", iDeviceType);
    return true;
}

bool isMemoryDeviceMounted(int iDeviceType)
{
    return iDeviceType != MEMORY_DEVICE_SDCARD || !s_bSdCardUnmounted;
}

} // namespace CMN
