#include "Stadion/VMN_OrlinSystemController.h"

#include "Stadion/VMN_LaserPlummetSettings.h"

#include "Ferrolib/BSS_Trace.h"
#include "SimInstrument/VSIM_Settings.h"

namespace VMN {

namespace {

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Stadion");
    return s_oTrace;
}

} // namespace

int OrlinSystemControllerC::setLightMode(VSC::LightE eLight, VSC::LightModeE eLightMode)
{
    if (eLight != VSC::LIGHT_LASER_PLUMMET || !VSIM::SettingsC::boolValue(QStringLiteral("LaserPlummet/Option")))
        return RC_NO_SUCH_LIGHT;
    const bool bOn = (eLightMode == VSC::LIGHT_MODE_ON);
    QString strError;
    if (!VSIM::SettingsC::setValue(QStringLiteral("LaserPlummet/On"), bOn, VSIM::WRITER_INSTRUMENT, &strError)) {
        trace().write("The laser plummet cannot be switched: %s\n", qPrintable(strError));
        return RC_LIGHT_FAILED;
    }
    if (bOn) {
        // The plummet shines at the intensity stored in its settings.
        LaserPlummetSettingsC oSettings(1);
        oSettings.load(0);
        trace().write("Laser plummet on at %d %%.\n", oSettings.getIntensity());
    } else {
        trace().write("Laser plummet off.\n");
    }
    return RC_OK;
}

} // namespace VMN
