// The file behind the instrument's parameter records and the simulator's settings, as a damaged
// or hand-edited file may hold it: every setting, and the parameter record of the laser plummet
// (calibration parameters share its path).
#include "FuzzSupport.h"

#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_SettingTable.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Stadion/VMN_LaserPlummetSettings.h"

#include <cmath>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    static const bool s_bReady = KFZ::setUp();
    (void)s_bReady;
    KFZ::putFile(VSIM::simulatorSettingsFile(), KFZ::bytes(pData, uSize));
    // Numbers outside their range read as stored (their readers judge them), but every value is
    // one of its type: a number is a finite number.
    for (const VSIM::SettingS& rSetting : VSIM::settingTable()) {
        const QVariant varValue = VSIM::SettingsC::value(rSetting.strKey);
        KFZ::require(varValue.isValid(), "setting without a value", rSetting.strKey);
        if (rSetting.eType == VSIM::SETTING_DOUBLE)
            KFZ::require(std::isfinite(varValue.toDouble()), "setting is no number",
                         rSetting.strKey + QStringLiteral("=") + varValue.toString());
    }
    VMN::LaserPlummetSettingsC oLaserPlummet(0);
    oLaserPlummet.load(0);
    KFZ::endInput();
    return 0;
}
