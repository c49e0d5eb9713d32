#include "Stadion/VMN_SensorCalibrationParameterSet.h"

#include <QLocale>

namespace VMN {

namespace {

using SDR::CalibrationParametersC;

// Names of the quantities in their order, as the fields are named.
const char* const s_astrQuantities[CalibrationParametersC::QUANTITY_COUNT] = {
    "LIndex", "TIndex", "VIndex", "HzCollimation", "TiltingAxis", "AtrHz", "AtrV"};
const char* const s_astrAtrFaceValues[CalibrationParametersC::ATR_FACE_VALUE_COUNT] = {
    "AtrHzFace1", "AtrHzFace2", "AtrVFace1", "AtrVFace2"};

// Fields: the values, their statistics, the single-face ATR values, the temperature.
constexpr int kStatisticsField = CalibrationParametersC::QUANTITY_COUNT;
constexpr int kAtrFaceField = 2 * CalibrationParametersC::QUANTITY_COUNT;
constexpr int kTemperatureField = kAtrFaceField + CalibrationParametersC::ATR_FACE_VALUE_COUNT;

QStringList fieldKeys()
{
    QStringList lstKeys;
    for (const char* strName : s_astrQuantities)
        lstKeys << QStringLiteral("Calibration/%1").arg(QLatin1String(strName));
    for (const char* strName : s_astrQuantities)
        lstKeys << QStringLiteral("Calibration/Statistics/%1").arg(QLatin1String(strName));
    for (const char* strName : s_astrAtrFaceValues)
        lstKeys << QStringLiteral("Calibration/%1").arg(QLatin1String(strName));
    lstKeys << QStringLiteral("Calibration/Temperature");
    return lstKeys;
}

SDR::CalibrationStatisticS statisticOf(const QString& strText)
{
    const QStringList lstNumbers = strText.split(' ', Qt::SkipEmptyParts);
    SDR::CalibrationStatisticS sStatistic;
    if (lstNumbers.size() == 3) {
        sStatistic.dDateTime = lstNumbers.at(0).toDouble();
        sStatistic.dTemperature = lstNumbers.at(1).toDouble();
        sStatistic.dStdDeviation = lstNumbers.at(2).toDouble();
    }
    return sStatistic;
}

QString textOf(const SDR::CalibrationStatisticS& rStatistic)
{
    // Shortest texts that read back as the same numbers.
    const auto number = [](double dValue) { return QString::number(dValue, 'g', QLocale::FloatingPointShortest); };
    return number(rStatistic.dDateTime) + ' ' + number(rStatistic.dTemperature) + ' ' + number(rStatistic.dStdDeviation);
}

} // namespace

SensorCalibrationParameterSetC::SensorCalibrationParameterSetC(int iMode)
    : CCF::ParameterRecordC(fieldKeys())
{
    (void)iMode;
}

SensorCalibrationParameterSetC::~SensorCalibrationParameterSetC() = default;

SDR::CalibrationParametersC SensorCalibrationParameterSetC::getParameters() const
{
    CalibrationParametersC oParameters;
    for (int i = 0; i < CalibrationParametersC::QUANTITY_COUNT; ++i) {
        oParameters.setValue(i, field(i).toDouble());
        oParameters.setStatistic(i, statisticOf(field(kStatisticsField + i).toString()));
    }
    for (int i = 0; i < CalibrationParametersC::ATR_FACE_VALUE_COUNT; ++i)
        oParameters.setAtrFaceValue(i, field(kAtrFaceField + i).toDouble());
    oParameters.setCalibrationTemperature(field(kTemperatureField).toDouble());
    return oParameters;
}

void SensorCalibrationParameterSetC::setParameters(const SDR::CalibrationParametersC& rParameters)
{
    for (int i = 0; i < CalibrationParametersC::QUANTITY_COUNT; ++i) {
        setField(i, rParameters.getValue(i));
        setField(kStatisticsField + i, textOf(rParameters.getStatistic(i)));
    }
    for (int i = 0; i < CalibrationParametersC::ATR_FACE_VALUE_COUNT; ++i)
        setField(kAtrFaceField + i, rParameters.getAtrFaceValue(i));
    setField(kTemperatureField, rParameters.getCalibrationTemperature());
}

} // namespace VMN
