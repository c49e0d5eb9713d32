#include "Quillbase/CMN_DeviceManager.h"

#include "Ferrolib/BSS_HAL_PathMap.h"

#include <QFile>
#include <QFileInfo>

namespace CMN {

bool isMemoryDeviceAvailable(int iDeviceType)
{
    if (iDeviceType != MEMORY_DEVICE_SDCARD)
        return false;
    const std::string strRoot = BSS::HAL::getSdCardRootPath();
    // An inserted card without its folder cannot be read either.
    return BSS::HAL::isDevicePresent(strRoot) && QFileInfo(QFile::decodeName(strRoot.c_str())).isDir();
}

} // namespace CMN
