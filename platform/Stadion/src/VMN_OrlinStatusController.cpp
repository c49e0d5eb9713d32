#include "Stadion/VMN_OrlinStatusController.h"

#include "SimInstrument/VSIM_Settings.h"

namespace VMN {

int OrlinStatusControllerC::getInstrumentInfo(InstrumentInfoC& rInstrumentInfo)
{
    unsigned uOptions = 0;
    if (VSIM::SettingsC::boolValue(QStringLiteral("LaserPlummet/Option")))
        uOptions |= InstrumentInfoC::OPTION_LASER_PLUMMET;
    rInstrumentInfo.setOptions(uOptions);
    return RC_OK;
}

} // namespace VMN
