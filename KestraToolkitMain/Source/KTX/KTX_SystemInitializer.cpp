#include "KTX/KTX_SystemInitializer.h"

#include "KTX/BSS_HAL_PathMapKestraWinP.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_Platform.h"
#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Quillbase/CMN_System.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace BSS {
namespace HAL {
namespace {
PathMapKestraWinPC s_oPathMap;
}
} // namespace HAL
} // namespace BSS

namespace KTX {

SystemInitializerC::SystemInitializerC()
{
    BSS::HAL::setPathMap(&BSS::HAL::s_oPathMap);
    preparePlatformPlugin();
    if (BSS::HAL::getPlatformKind() == BSS::HAL::PLATFORM_SIMULATOR)
        prepareSimulator();
}

SystemInitializerC::~SystemInitializerC() = default;

void SystemInitializerC::preparePlatformPlugin()
{
    const QString strApplicationPath =
        QFileInfo(QString::fromLocal8Bit(BSS::HAL::getProgramFilePath().c_str())).absolutePath();
    const QString strPluginName = QString::fromLatin1(BSS::HAL::getQtPlatformPluginFileName());
    const QString strPlatformsPath = QDir::cleanPath(strApplicationPath + QDir::separator() + "platforms");
    const QString strPlatformsDllSource = QDir::cleanPath(strApplicationPath + QDir::separator() + strPluginName);
    const QString strPlatformsDllTarget = QDir::cleanPath(strPlatformsPath + QDir::separator() + strPluginName);
    // An existing copy is never overwritten.
    if (QFile::exists(strPlatformsDllTarget))
        return;
    if (!QDir().mkpath(strPlatformsPath))
        BSS_ASSERT_REPORT("QDir().mkpath( strPlatformsPath )", "KTX_SystemInitializer", 74);
    if (!QFile(strPlatformsDllSource).copy(strPlatformsDllTarget))
        BSS_ASSERT_REPORT("QFile(strPlatformsDllSource).copy(strPlatformsDllTarget)", "KTX_SystemInitializer", 75);
}

void SystemInitializerC::prepareSimulator()
{
    const QString strDocuments =
        BSS::REG::openNativeSettings(QStringLiteral(
            "HKEY_CURRENT_USER\\SOFTWARE\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders"))
            ->value(QStringLiteral("Personal"))
            .toString();
    const QString strSimDataDir = QDir::cleanPath(strDocuments) + "/" + "KestraToolkit" + "/" + "Vela40";
    // In the local 8-bit encoding, as every path handed to the platform: Latin-1 would turn a
    // folder name outside it into "?" and the files would go to another folder.
    BSS::SIM::setFileSystemRoot(QFile::encodeName(strSimDataDir).constData());
    BSS::SIM::setRegistryRoot(BSS::SIM::HIVE_CURRENT_USER, L"Software\\Kestra\\Vela40 Simulator");

    // Only missing keys get their defaults; what the user changed stays.
    auto upSettings = BSS::REG::openNativeSettings(QStringLiteral("HKEY_CURRENT_USER\\") + BSS::SIM::registryRoot());
    const auto fnDefault = [&upSettings](const QString& strKey, int iValue) {
        if (!upSettings->contains(strKey))
            upSettings->setValue(strKey, iValue);
    };
    fnDefault(QStringLiteral("Configuration/SDCard"), 1);
    upSettings->beginGroup(QStringLiteral("Settings"));
    fnDefault(QStringLiteral("SimTPS"), 1);
    upSettings->beginGroup(QStringLiteral("Battery"));
    fnDefault(QStringLiteral("BatteryInternal1/State"), 1);
    fnDefault(QStringLiteral("BatteryInternal1/Capacity"), 70);
    upSettings->endGroup();
    upSettings->endGroup();
    upSettings->sync();

    CMN::setSimulatorNumber(1380);
    CMN::setSimulatorFlagA(true);
    CMN::setSimulatorFlagB(false);
    // Armed beside the rest of the start-up, not while the device service waits for it.
    BSS::SIM::startWatchingSettings();
}

} // namespace KTX
