#pragma once
// The instrument's adjustment parameters as the last calibration determined them (radians), with
// how each was obtained, the single-face target-recognition values and the temperature of the
// calibration. A plain value: what is set is read back.

namespace SDR {

// How a calibrated quantity was obtained.
struct CalibrationStatisticS
{
    double dDateTime = 0.0;
    double dTemperature = 0.0;
    double dStdDeviation = 0.0;
};

class CalibrationParametersC
{
public:
    enum QuantityE
    {
        COMPENSATOR_L_INDEX,
        COMPENSATOR_T_INDEX,
        V_INDEX,
        HZ_COLLIMATION,
        TILTING_AXIS,
        ATR_HZ_COLLIMATION,
        ATR_V_COLLIMATION,
        QUANTITY_COUNT
    };
    enum AtrFaceValueE
    {
        ATR_HZ_FACE1,
        ATR_HZ_FACE2,
        ATR_V_FACE1,
        ATR_V_FACE2,
        ATR_FACE_VALUE_COUNT
    };

    // An index outside its enumeration reads as 0 and is not set.
    double getValue(int iQuantity) const;
    void setValue(int iQuantity, double dValue);
    CalibrationStatisticS getStatistic(int iQuantity) const;
    void setStatistic(int iQuantity, const CalibrationStatisticS& rStatistic);
    double getAtrFaceValue(int iValue) const;
    void setAtrFaceValue(int iValue, double dValue);
    double getCalibrationTemperature() const { return m_dTemperature; }
    void setCalibrationTemperature(double dTemperature) { m_dTemperature = dTemperature; }

private:
    double m_adValues[QUANTITY_COUNT] = {};
    CalibrationStatisticS m_asStatistics[QUANTITY_COUNT] = {};
    double m_adAtrFaceValues[ATR_FACE_VALUE_COUNT] = {};
    double m_dTemperature = 0.0;
};

} // namespace SDR
