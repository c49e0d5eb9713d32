#include "Quillbase/CMN_Power.h"

#include "SimInstrument/VSIM_Settings.h"

namespace CMN {

int getBatteryStatus(int& riCapacityPercent)
{
    if (VSIM::SettingsC::intValue(QStringLiteral("Settings/Battery/BatteryInternal1/State")) != 1)
        return RC_POWER_NO_STATUS;
    riCapacityPercent = VSIM::SettingsC::intValue(QStringLiteral("Settings/Battery/BatteryInternal1/Capacity"));
    return RC_POWER_OK;
}

bool hasCapacityFor(int iMinimumPercent)
{
    int iCapacity = 0;
    return getBatteryStatus(iCapacity) != RC_POWER_OK || iCapacity >= iMinimumPercent;
}

} // namespace CMN
