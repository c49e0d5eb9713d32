// The file behind the instrument's parameter records and the simulator's settings, as a damaged
// or hand-edited file may hold it: every setting, and the parameter records of the laser plummet
// and of the calibration, whose statistics are texts of three numbers.
#include "FuzzSupport.h"

#include "SimInstrument/VSIM_Registry.h"
#include "SimInstrument/VSIM_SettingTable.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Stadion/VMN_LaserPlummetSettings.h"
#include "Stadion/VMN_SensorCalibrationParameterSet.h"

#include <cmath>

namespace {

void requireFinite(double dValue, const char* szWhat, int iIndex)
{
    KFZ::require(std::isfinite(dValue), szWhat, QStringLiteral("%1: %2").arg(iIndex).arg(dValue));
}

// Whatever the file holds, the calibration reads as numbers that can be shown and computed with.
void readCalibration()
{
    using SDR::CalibrationParametersC;
    VMN::SensorCalibrationParameterSetC oSet(1);
    if (oSet.load(0) != CCF::ParameterRecordC::RC_PARAMETER_OK)
        return;
    const CalibrationParametersC oParameters = oSet.getParameters();
    for (int i = 0; i < CalibrationParametersC::QUANTITY_COUNT; ++i) {
        requireFinite(oParameters.getValue(i), "calibration value", i);
        const SDR::CalibrationStatisticS sStatistic = oParameters.getStatistic(i);
        requireFinite(sStatistic.dDateTime, "calibration statistic: date", i);
        requireFinite(sStatistic.dTemperature, "calibration statistic: temperature", i);
        requireFinite(sStatistic.dStdDeviation, "calibration statistic: standard deviation", i);
    }
    for (int i = 0; i < CalibrationParametersC::ATR_FACE_VALUE_COUNT; ++i)
        requireFinite(oParameters.getAtrFaceValue(i), "calibration face value", i);
    requireFinite(oParameters.getCalibrationTemperature(), "calibration temperature", 0);
}

} // namespace

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
    readCalibration();
    KFZ::endInput();
    return 0;
}
