#include "Stadion/INS_CorrectionData.h"

#include "Marrowlib/CCF_ConfigRecordFile.h"
#include "Marrowlib/CCF_CorrectionDataNotification.h"
#include "Stadion/INS_DistanceMeasurement.h"
#include "Trigonel/GEO_Atmosphere.h"

#include "Ferrolib/BSS_Trace.h"

#include <QDataStream>
#include <QIODevice>

#include <cmath>

namespace INS {

namespace {

constexpr int RECORD_ID1 = 1;
constexpr int RECORD_ID2 = 1;
constexpr int RECORD_VERSION = 1;
constexpr double FACTORY_REFRACTION_COEFFICIENT = 0.13;

CCF::ConfigRecordFileC recordFile()
{
    return CCF::ConfigRecordFileC("CORR", RECORD_ID1, RECORD_ID2);
}

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Stadion");
    return s_oTrace;
}

QByteArray payloadOf(const SDR::AtmosphericCorrectionC& rData)
{
    QByteArray baPayload;
    QDataStream oStream(&baPayload, QIODevice::WriteOnly);
    oStream.setByteOrder(QDataStream::LittleEndian);
    oStream.setFloatingPointPrecision(QDataStream::DoublePrecision);
    oStream << qint32(rData.getFlags()) << rData.getDryTemperature() << rData.getPressure()
            << rData.getWetTemperature() << double(rData.getPpm()) << rData.getTimeStamp()
            << rData.getRefractionCoefficient();
    return baPayload;
}

bool dataOf(const QByteArray& baPayload, SDR::AtmosphericCorrectionC& rData)
{
    QDataStream oStream(baPayload);
    oStream.setByteOrder(QDataStream::LittleEndian);
    oStream.setFloatingPointPrecision(QDataStream::DoublePrecision);
    qint32 iFlags = 0;
    double dDry = 0.0, dPressure = 0.0, dWet = 0.0, dPpm = 0.0, dTime = 0.0, dRefraction = 0.0;
    oStream >> iFlags >> dDry >> dPressure >> dWet >> dPpm >> dTime >> dRefraction;
    if (oStream.status() != QDataStream::Ok || !oStream.atEnd())
        return false;
    rData.setFlags(iFlags);
    rData.setDryTemperature(dDry);
    rData.setPressure(dPressure);
    rData.setWetTemperature(dWet);
    rData.setPpm(float(dPpm));
    rData.setTimeStamp(dTime);
    rData.setRefractionCoefficient(dRefraction);
    return true;
}

} // namespace

CorrectionDataC::CorrectionDataC(int iInstrument)
    : m_iInstrument(iInstrument)
{
}

CorrectionDataC::~CorrectionDataC() = default;

SDR::AtmosphericCorrectionC CorrectionDataC::factoryValues()
{
    SDR::AtmosphericCorrectionC oData;
    oData.setFlags(SDR::AtmosphericCorrectionC::FLAG_PPM_FROM_ATMOSPHERE);
    oData.setDryTemperature(GEO::REFERENCE_TEMPERATURE);
    oData.setPressure(GEO::REFERENCE_PRESSURE);
    double dWet = GEO::REFERENCE_TEMPERATURE;
    GEO::wetBulbTemperature(GEO::REFERENCE_PRESSURE, GEO::REFERENCE_TEMPERATURE, GEO::REFERENCE_HUMIDITY, dWet);
    oData.setWetTemperature(dWet);
    oData.setPpm(0.0f);
    oData.setRefractionCoefficient(FACTORY_REFRACTION_COEFFICIENT);
    return oData;
}

bool CorrectionDataC::isValid(const SDR::AtmosphericCorrectionC& rData)
{
    double dHeight = 0.0;
    double dHumidity = 0.0;
    return std::isfinite(rData.getPpm()) && std::isfinite(rData.getTimeStamp())
        && std::isfinite(rData.getRefractionCoefficient()) && GEO::pressureToHeight(rData.getPressure(), dHeight)
        && GEO::relativeHumidity(rData.getPressure(), rData.getWetTemperature(), rData.getDryTemperature(), dHumidity);
}

QString CorrectionDataC::recordPath()
{
    return recordFile().filePath();
}

int CorrectionDataC::fetch(SDR::AtmosphericCorrectionC& rData) const
{
    rData = factoryValues();
    if (m_iInstrument != 1)
        return RC_NO_SUCH_INSTRUMENT;
    const CCF::ConfigRecordFileC oFile = recordFile();
    int iVersion = 0;
    QByteArray baPayload;
    if (!oFile.read(iVersion, baPayload))
        return oFile.exists() ? RC_DAMAGED : RC_OK;
    SDR::AtmosphericCorrectionC oStored;
    if (iVersion != RECORD_VERSION || !dataOf(baPayload, oStored) || !isValid(oStored)) {
        trace().write("Correction data of version %d unusable, using the factory values\n", iVersion);
        return RC_DAMAGED;
    }
    rData = oStored;
    return RC_OK;
}

int CorrectionDataC::store(const SDR::AtmosphericCorrectionC& rData) const
{
    if (m_iInstrument != 1)
        return RC_NO_SUCH_INSTRUMENT;
    if (!isValid(rData))
        return RC_INVALID;
    if (!recordFile().write(RECORD_VERSION, payloadOf(rData)))
        return RC_WRITE_FAILED;
    if (!CCF::reportCorrectionDataChanged())
        trace().write("The change of the correction data could not be told to the other programs\n");
    return RC_OK;
}

bool CorrectionDataC::changeAtmosphere(SDR::AtmosphericCorrectionC& rData, double dTemperature, double dPressure)
{
    double dHumidity = 0.0;
    double dWetTemperature = 0.0;
    if (!GEO::relativeHumidity(rData.getPressure(), rData.getWetTemperature(), rData.getDryTemperature(), dHumidity)
        || !GEO::wetBulbTemperature(dPressure, dTemperature, dHumidity, dWetTemperature))
        return false;
    double dPpm = rData.getPpm();
    if (rData.getFlags() & SDR::AtmosphericCorrectionC::FLAG_PPM_FROM_ATMOSPHERE) {
        const double dWavelength = DistanceMeasurementC(1).getCorrectionWavelength();
        if (!GEO::atmosphericPpm(dPressure, dTemperature, dWetTemperature, dWavelength, dPpm))
            return false;
    }
    rData.setDryTemperature(dTemperature);
    rData.setPressure(dPressure);
    rData.setWetTemperature(dWetTemperature);
    rData.setPpm(float(dPpm));
    return true;
}

} // namespace INS
