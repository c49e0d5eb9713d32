#include "Stadion/VMN_OrlinStatusController.h"

#include "VMN_SimTelescope.h"

#include "Marrowlib/CCF_OptionRegistry.h"
#include "SimInstrument/VSIM_Settings.h"

namespace VMN {

int OrlinStatusControllerC::getInstrumentInfo(InstrumentInfoC& rInstrumentInfo)
{
    unsigned uOptions = 0;
    if (VSIM::SettingsC::boolValue(QStringLiteral("LaserPlummet/Option")))
        uOptions |= InstrumentInfoC::OPTION_LASER_PLUMMET;
    if (CCF::OptionRegistryC::isInstalled(CCF::OPTION_TREVO360))
        uOptions |= InstrumentInfoC::OPTION_TREVO360;
    if (CCF::OptionRegistryC::isInstalled(CCF::OPTION_OVERVIEW_CAMERA))
        uOptions |= InstrumentInfoC::OPTION_OVERVIEW_CAMERA;
    rInstrumentInfo.setOptions(uOptions);
    rInstrumentInfo.setDistanceMeterType(VSIM::SettingsC::intValue(QStringLiteral("Identity/EdmType")));
    rInstrumentInfo.setAngleAccuracy(VSIM::SettingsC::doubleValue(QStringLiteral("Identity/AngleAccuracy")));
    return RC_OK;
}

int OrlinStatusControllerC::getLevelState()
{
    return SIM::isLevel() ? LEVEL_OK : LEVEL_OUT_OF_RANGE;
}

int OrlinStatusControllerC::getInternalTemperature(double& rdTemperature)
{
    rdTemperature = VSIM::SettingsC::doubleValue(QStringLiteral("Sensor/InternalTemperature"));
    return RC_OK;
}

} // namespace VMN
