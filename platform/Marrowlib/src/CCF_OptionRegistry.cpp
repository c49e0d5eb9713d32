#include "Marrowlib/CCF_OptionRegistry.h"

#include "SimInstrument/VSIM_Settings.h"

namespace CCF {

bool OptionRegistryC::isInstalled(int iOption)
{
    const char* szKey = nullptr;
    switch (iOption) {
    case OPTION_EXTENDED_ROBOTIC:
        szKey = "Options/ExtendedRobotic";
        break;
    case OPTION_VIRTUAL_ROBOTIC:
        szKey = "Options/VirtualRobotic";
        break;
    case OPTION_TREVO360:
        szKey = "Options/Trevo360";
        break;
    case OPTION_VANTIS360:
        szKey = "Options/Vantis360";
        break;
    case OPTION_PRODUCTION:
        szKey = "Options/ProductionFlag";
        break;
    case OPTION_OVERVIEW_CAMERA:
        szKey = "Options/OverviewCamera";
        break;
    case OPTION_IMAGING:
        szKey = "Options/Imaging";
        break;
    case OPTION_VIDEO:
        szKey = "Options/Video";
        break;
    default:
        return false;
    }
    return VSIM::SettingsC::boolValue(QLatin1String(szKey));
}

} // namespace CCF
