#pragma once
// Where the instrument's files live. The process installs one path map at start-up; the queries
// below answer through it. Directory results end in a separator.
#include <QString>
#include <QStringList>

#include <string>

namespace BSS {
namespace HAL {

class PathMapI
{
public:
    virtual ~PathMapI();
    virtual const char* getMakerDirName() const = 0;
    virtual std::string getMakerRootPath() const = 0;
    virtual void onPathMapInstalled() = 0;
    virtual std::string getBasePath() const = 0;
    virtual std::string getDeviceRootPath(int iDevice) const = 0;
    virtual std::string getSystemDirectory() const = 0;
    virtual std::string getLanguageDirectory() const = 0;
    virtual std::string getApplicationDirectory() const = 0;
};

// The platform's base for Windows-style path maps: everything below the simulated file system.
class PathMapWinPC : public PathMapI
{
public:
    PathMapWinPC();
    ~PathMapWinPC() override;
    const char* getMakerDirName() const override;
    std::string getMakerRootPath() const override;
    void onPathMapInstalled() override;
    std::string getBasePath() const override;
    std::string getDeviceRootPath(int iDevice) const override;
    std::string getSystemDirectory() const override;
    std::string getLanguageDirectory() const override;
    std::string getApplicationDirectory() const override;
};

bool setPathMap(PathMapI* pPathMap);
PathMapI* pathMap();

// Memory devices 0 to 7; the SD card is device 1.
enum DeviceE { DEVICE_INTERNAL = 0, DEVICE_SDCARD = 1, DEVICE_FLASH = 2, DEVICE_COUNT = 8 };

std::string getProgramFilePath();
std::string getApplicationDirectory();
// Argument -1 asks for the directory of the installed language.
std::string getLanguageDirectory(int iLanguage);
std::string getDeviceRootPath(int iDevice);
std::string getSystemDirectory();
std::string getSdCardRootPath();
bool isDevicePresent(const std::string& strRootPath);
bool deleteFile(const std::string& strPath);
// File names (no folders) in a directory, sorted by name.
QStringList listDirectory(const std::string& strPath);

} // namespace HAL
} // namespace BSS
