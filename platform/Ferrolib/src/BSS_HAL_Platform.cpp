#include "Ferrolib/BSS_HAL_Platform.h"

#include "SimInstrument/VSIM_Settings.h"

namespace BSS {
namespace HAL {

int getPlatformKind()
{
    bool bOk = false;
    const int iKind = qEnvironmentVariableIntValue("KESTRA_PLATFORM_KIND", &bOk);
    if (bOk)
        return iKind;
    return VSIM::SettingsC::intValue(QStringLiteral("Settings/PlatformKind"));
}

bool isSwitchOn(const char* strSwitchName)
{
    // A switch the simulator does not know is off.
    const QString strKey = QStringLiteral("Switches/") + QString::fromLatin1(strSwitchName ? strSwitchName : "");
    return VSIM::findSetting(strKey) && VSIM::SettingsC::boolValue(strKey);
}

} // namespace HAL
} // namespace BSS

namespace {

// The simulator draws with Qt's raster engine only: on X, Qt's OpenGL integration would load Mesa
// and its compiler (tens of megabytes, tens of milliseconds at start) for nothing. Set before any
// application object exists, unless the user chose an integration.
const bool s_bRasterOnly = [] {
    if (!qEnvironmentVariableIsSet("QT_XCB_GL_INTEGRATION"))
        qputenv("QT_XCB_GL_INTEGRATION", "none");
    return true;
}();

} // namespace

namespace BSS {
namespace HAL {

const char* getQtPlatformPluginFileName()
{
    return "libqxcb.so";
}

} // namespace HAL
} // namespace BSS
