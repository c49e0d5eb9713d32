#include "Gaugelib/SDR_CalibrationParameters.h"

namespace SDR {

namespace {

bool inRange(int iIndex, int iCount)
{
    return iIndex >= 0 && iIndex < iCount;
}

} // namespace

double CalibrationParametersC::getValue(int iQuantity) const
{
    return inRange(iQuantity, QUANTITY_COUNT) ? m_adValues[iQuantity] : 0.0;
}

void CalibrationParametersC::setValue(int iQuantity, double dValue)
{
    if (inRange(iQuantity, QUANTITY_COUNT))
        m_adValues[iQuantity] = dValue;
}

CalibrationStatisticS CalibrationParametersC::getStatistic(int iQuantity) const
{
    return inRange(iQuantity, QUANTITY_COUNT) ? m_asStatistics[iQuantity] : CalibrationStatisticS();
}

void CalibrationParametersC::setStatistic(int iQuantity, const CalibrationStatisticS& rStatistic)
{
    if (inRange(iQuantity, QUANTITY_COUNT))
        m_asStatistics[iQuantity] = rStatistic;
}

double CalibrationParametersC::getAtrFaceValue(int iValue) const
{
    return inRange(iValue, ATR_FACE_VALUE_COUNT) ? m_adAtrFaceValues[iValue] : 0.0;
}

void CalibrationParametersC::setAtrFaceValue(int iValue, double dValue)
{
    if (inRange(iValue, ATR_FACE_VALUE_COUNT))
        m_adAtrFaceValues[iValue] = dValue;
}

} // namespace SDR
