#pragma once
// The sensor calibration parameters the instrument keeps across restarts: the adjustment values
// of the last calibration with their statistics.
#include "Gaugelib/SDR_CalibrationParameters.h"
#include "Marrowlib/CCF_ParameterRecord.h"

namespace VMN {

class SensorCalibrationParameterSetC : public CCF::ParameterRecordC
{
public:
    // Opens the set; load() reads what is stored.
    explicit SensorCalibrationParameterSetC(int iMode);
    ~SensorCalibrationParameterSetC() override;

    // What load() read, or what was set since.
    SDR::CalibrationParametersC getParameters() const;
    // Kept until save().
    void setParameters(const SDR::CalibrationParametersC& rParameters);
};

} // namespace VMN
