#include "Marrowlib/CCF_FormatService.h"

#include "Ferrolib/BSS_HAL_PathMap.h"
#include "Ferrolib/BSS_Trace.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <mutex>

namespace CCF {

namespace {

struct PreparationS
{
    std::mutex oMutex;
    int iDeviceType = -1;
    int iStage = FORMAT_STAGE_NONE;
};

PreparationS& preparation()
{
    static PreparationS s_oPreparation;
    return s_oPreparation;
}

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Marrowlib");
    return s_oTrace;
}

// The device manager's type of the SD card.
constexpr int kSdCardType = 4;

} // namespace

int formatMemory(int iArgument)
{
    if (iArgument != FORMAT_SYSTEM_MEMORY) {
        trace().write("formatMemory: unknown memory %d\n", iArgument);
        return RC_FORMAT_UNKNOWN_DEVICE;
    }
    return eraseMemoryDevice(BSS::HAL::DEVICE_INTERNAL);
}

int prepareDeviceConfiguration(int iDeviceType, int iMode, int iFlags)
{
    if (iDeviceType != kSdCardType) {
        trace().write("prepareDeviceConfiguration: device %d cannot be formatted\n", iDeviceType);
        return RC_FORMAT_UNKNOWN_DEVICE;
    }
    PreparationS& rPreparation = preparation();
    std::lock_guard<std::mutex> oLock(rPreparation.oMutex);
    rPreparation.iDeviceType = iDeviceType;
    rPreparation.iStage = FORMAT_STAGE_PREPARED;
    trace().write("prepareDeviceConfiguration: device %d (%d, %d)\n", iDeviceType, iMode, iFlags);
    return RC_FORMAT_OK;
}

int preparedDeviceType()
{
    PreparationS& rPreparation = preparation();
    std::lock_guard<std::mutex> oLock(rPreparation.oMutex);
    return rPreparation.iDeviceType;
}

int formatStage()
{
    PreparationS& rPreparation = preparation();
    std::lock_guard<std::mutex> oLock(rPreparation.oMutex);
    return rPreparation.iStage;
}

bool advanceFormatStage(int iStage)
{
    PreparationS& rPreparation = preparation();
    std::lock_guard<std::mutex> oLock(rPreparation.oMutex);
    if (rPreparation.iDeviceType < 0 || rPreparation.iStage != iStage - 1)
        return false;
    rPreparation.iStage = iStage;
    return true;
}

void resetFormatPreparation()
{
    PreparationS& rPreparation = preparation();
    std::lock_guard<std::mutex> oLock(rPreparation.oMutex);
    rPreparation.iDeviceType = -1;
    rPreparation.iStage = FORMAT_STAGE_NONE;
}

int eraseMemoryDevice(int iPathMapDevice)
{
    const QString strRoot = QFile::decodeName(BSS::HAL::getDeviceRootPath(iPathMapDevice).c_str());
    if (strRoot.isEmpty())
        return RC_FORMAT_UNKNOWN_DEVICE;
    QDir oRoot(strRoot);
    if (!oRoot.exists() && !oRoot.mkpath(QStringLiteral(".")))
        return RC_FORMAT_FAILED;
    bool bErased = true;
    const QFileInfoList lstEntries =
        oRoot.entryInfoList(QDir::AllEntries | QDir::Hidden | QDir::System | QDir::NoDotAndDotDot);
    for (const QFileInfo& rEntry : lstEntries) {
        // A link goes itself; what it points to is not on this device.
        const bool bRemoved = rEntry.isDir() && !rEntry.isSymLink() ? QDir(rEntry.filePath()).removeRecursively()
                                                                    : QFile::remove(rEntry.filePath());
        bErased = bErased && bRemoved;
    }
    if (!bErased) {
        trace().write("eraseMemoryDevice: device %d could not be emptied\n", iPathMapDevice);
        return RC_FORMAT_FAILED;
    }
    trace().write("eraseMemoryDevice: device %d formatted\n", iPathMapDevice);
    formattedDeviceSource().fire(iPathMapDevice, 0);
    return RC_FORMAT_OK;
}

BSS::TSK::CommandSourceC& formattedDeviceSource()
{
    static BSS::TSK::CommandSourceC s_oSource;
    return s_oSource;
}

} // namespace CCF
