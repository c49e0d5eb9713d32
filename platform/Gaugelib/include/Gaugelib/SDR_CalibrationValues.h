#pragma once
// What the system controller reports for one calibration face pair: eleven doubles in this order
// and nothing else (the instrument fills the record as a block). Angles in radians, the
// temperature in degrees Celsius, the date-time as the platform's date-time number.

namespace SDR {

struct CalibrationValuesS
{
    double DateTime = 0.0;
    double IntTemp = 0.0;
    double HzCollimation = 0.0;
    double TiltAxis = 0.0;
    double VIndex = 0.0;
    double LIndex = 0.0;
    double QIndex = 0.0;
    double AtrHzFace1 = 0.0;
    double AtrVFace1 = 0.0;
    double AtrHzFace2 = 0.0;
    double AtrVFace2 = 0.0;
};

static_assert(sizeof(CalibrationValuesS) == 11 * sizeof(double), "eleven consecutive doubles");

} // namespace SDR
