#include "Ferrolib/BSS_HAL_PathMap.h"

#include "SimInstrument/VSIM_Folders.h"
#include "SimInstrument/VSIM_Settings.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <mutex>

namespace BSS {
namespace HAL {

namespace {

// Folder names of memory devices 0 to 7 in the simulated file system.
const char* const kDeviceDirs[DEVICE_COUNT] = {"Internal", "SDCard", "Flash", "RAM",
                                               "USB",      "CF",     "Receiver", "Network"};

std::mutex s_oMutex;
PathMapWinPC s_oDefaultPathMap;
PathMapI* s_pPathMap = nullptr;

std::string asDir(const QString& strPath)
{
    return QFile::encodeName(QDir::cleanPath(strPath) + "/").toStdString();
}

QString fromNative(const std::string& strPath)
{
    return QFile::decodeName(QByteArray::fromStdString(strPath));
}

} // namespace

PathMapI::~PathMapI() = default;

PathMapWinPC::PathMapWinPC() = default;

PathMapWinPC::~PathMapWinPC() = default;

const char* PathMapWinPC::getMakerDirName() const
{
    return "Platform";
}

std::string PathMapWinPC::getMakerRootPath() const
{
    return getBasePath() + getMakerDirName() + "/";
}

void PathMapWinPC::onPathMapInstalled()
{
}

std::string PathMapWinPC::getBasePath() const
{
    return asDir(VSIM::simDataDir());
}

std::string PathMapWinPC::getDeviceRootPath(int iDevice) const
{
    if (iDevice < 0 || iDevice >= DEVICE_COUNT)
        return std::string();
    return getBasePath() + kDeviceDirs[iDevice] + "/";
}

std::string PathMapWinPC::getSystemDirectory() const
{
    return getBasePath() + "System/";
}

std::string PathMapWinPC::getLanguageDirectory() const
{
    return getSystemDirectory() + "Language/";
}

std::string PathMapWinPC::getApplicationDirectory() const
{
    return asDir(QFileInfo(fromNative(getProgramFilePath())).absolutePath());
}

bool setPathMap(PathMapI* pPathMap)
{
    {
        std::unique_lock<std::mutex> oLock(s_oMutex);
        s_pPathMap = pPathMap;
    }
    if (pPathMap)
        pPathMap->onPathMapInstalled();
    return true;
}

PathMapI* pathMap()
{
    std::unique_lock<std::mutex> oLock(s_oMutex);
    return s_pPathMap ? s_pPathMap : &s_oDefaultPathMap;
}

std::string getProgramFilePath()
{
    return QFile::encodeName(QFile::symLinkTarget(QStringLiteral("/proc/self/exe"))).toStdString();
}

std::string getApplicationDirectory()
{
    return pathMap()->getApplicationDirectory();
}

std::string getLanguageDirectory(int)
{
    return pathMap()->getLanguageDirectory();
}

std::string getDeviceRootPath(int iDevice)
{
    return pathMap()->getDeviceRootPath(iDevice);
}

std::string getSystemDirectory()
{
    return pathMap()->getSystemDirectory();
}

std::string getSdCardRootPath()
{
    return getDeviceRootPath(DEVICE_SDCARD);
}

bool isDevicePresent(const std::string& strRootPath)
{
    const QString strRoot = QDir::cleanPath(fromNative(strRootPath));
    if (strRoot.isEmpty())
        return false;
    // The SD card is "inserted" by the simulator setting; internal memories are always there.
    if (strRoot == QDir::cleanPath(fromNative(getDeviceRootPath(DEVICE_SDCARD))))
        return VSIM::SettingsC::boolValue(QStringLiteral("Configuration/SDCard"));
    if (strRoot == QDir::cleanPath(fromNative(getDeviceRootPath(DEVICE_INTERNAL)))
        || strRoot == QDir::cleanPath(fromNative(getDeviceRootPath(DEVICE_FLASH))))
        return true;
    return QFileInfo(strRoot).isDir();
}

bool deleteFile(const std::string& strPath)
{
    const QString strFile = fromNative(strPath);
    return QFileInfo(strFile).isFile() && QFile::remove(strFile);
}

QStringList listDirectory(const std::string& strPath)
{
    return QDir(fromNative(strPath)).entryList(QDir::Files, QDir::Name);
}

} // namespace HAL
} // namespace BSS
