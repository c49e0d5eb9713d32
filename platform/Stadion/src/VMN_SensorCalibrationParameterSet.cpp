#include "Stadion/VMN_SensorCalibrationParameterSet.h"

#include <QLocale>

#include <cmath>

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

// A statistic reads whole or not at all: a damaged text (a word that is no finite number, as a
// hand-edited file may hold) is no statistic, never part of one or a number that cannot be shown.
SDR::CalibrationStatisticS statisticOf(const QString& strText)
{
    const QStringList lstWords = strText.split(' ', Qt::SkipEmptyParts);
    if (lstWords.size() != 3)
        return SDR::CalibrationStatisticS();
    double adNumbers[3] = {};
    for (int i = 0; i < 3; ++i) {
        bool bOk = false;
        adNumbers[i] = lstWords.at(i).toDouble(&bOk);
        if (!bOk || !std::isfinite(adNumbers[i]))
            return SDR::CalibrationStatisticS();
    }
    SDR::CalibrationStatisticS sStatistic;
    sStatistic.dDateTime = adNumbers[0];
    sStatistic.dTemperature = adNumbers[1];
    sStatistic.dStdDeviation = adNumbers[2];
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
