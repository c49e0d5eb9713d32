#include "Ferrolib/BSS_HAL_Platform.h"

#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"

namespace BSS {
namespace HAL {

int getPlatformKind()
{
    bool bOk = false;
    const int iKind = qEnvironmentVariableIntValue("KESTRA_PLATFORM_KIND", &bOk);
    if (bOk)
        return iKind;
    return REG::openNativeSettings(SIM::simulatorSettingsPath())->value(QStringLiteral("Settings/PlatformKind"), 0).toInt();
}

bool isSwitchOn(const char* strSwitchName)
{
    const QString strKey = QStringLiteral("Switches/") + QString::fromLatin1(strSwitchName ? strSwitchName : "");
    return REG::openNativeSettings(SIM::simulatorSettingsPath())->value(strKey, false).toBool();
}

} // namespace HAL
} // namespace BSS

namespace BSS {
namespace HAL {

const char* getQtPlatformPluginFileName()
{
    return "libqxcb.so";
}

} // namespace HAL
} // namespace BSS
