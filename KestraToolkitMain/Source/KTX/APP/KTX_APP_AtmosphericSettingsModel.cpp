#include "KTX/APP/KTX_APP_AtmosphericSettingsModel.h"

#include "KTX/KTX_Observer.h"

#include "V40_GUI_AbstractValueWidget.h"
#include "V40_GUI_UTI_Trace.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_DateTime.h"
#include "Ferrolib/BSS_UTI_ScopedBoolResetter.h"
#include "Gaugelib/SDR_AtmosphericCorrection.h"
#include "Marrowlib/CCF_CorrectionDataNotification.h"
#include "Marrowlib/CCF_RefractionConfig.h"
#include "Stadion/INS_CorrectionData.h"
#include "Stadion/INS_DistanceMeasurement.h"
#include "Trigonel/GEO_Atmosphere.h"

#include <cmath>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_AtmosphericSettingsModel", __LINE__)

namespace KTX {
namespace APP {

namespace {

// The only distance meter of the instrument.
constexpr int INSTRUMENT = 1;

// The wet bulb is found to far below a thousandth of a degree; what it gives back is rounded
// to where the numbers carry meaning, so that a stored 60 % reads as 60 % and the reference
// atmosphere as 0 ppm, and the factory values on the screen equal what was read.
double meaningful(double dValue)
{
    return std::round(dValue * 1e6) / 1e6;
}

} // namespace

AtmosphericSettingsModelC::AtmosphericSettingsModelC(QObject* parent)
    : V40::GUI::SettingsModelC(parent)
    , m_pObserver(new ObserverC(this))
    , m_bCoupling(false)
{
    connect(this, &V40::GUI::SettingsModelC::valueChanged, this, &AtmosphericSettingsModelC::OnValueChanged);
    if (!CCF::correctionDataNotifications().subscribe(m_pObserver))
        KTX_APP_REPORT("bSubscribed");
    connect(m_pObserver, static_cast<void (ObserverC::*)(int)>(&ObserverC::notify), this,
            &AtmosphericSettingsModelC::onConfigurationChanged);
}

AtmosphericSettingsModelC::~AtmosphericSettingsModelC()
{
    // Before the observer goes: no platform thread may call it afterwards.
    CCF::correctionDataNotifications().unsubscribe(m_pObserver);
}

void AtmosphericSettingsModelC::onConfigurationChanged(int iNotification)
{
    if (iNotification != CCF::NOTIFY_CORRECTION_DATA_CHANGED)
        return;
    // What is stored is on the screen again, so it is what leaving and OK compare with.
    load();
}

void AtmosphericSettingsModelC::OnValueChanged(int iKey)
{
    V40_TRACE << QStringLiteral("AtmosphericSettingsModelC: value %1 changed.").arg(iKey);
    switch (iKey) {
    case KEY_HEIGHT:
        if (!couple(KEY_HEIGHT, KEY_PRESSURE, &GEO::heightToPressure))
            return;
        break;
    case KEY_PRESSURE:
        if (!couple(KEY_PRESSURE, KEY_HEIGHT, &GEO::pressureToHeight))
            return;
        break;
    case KEY_TEMPERATURE:
    case KEY_HUMIDITY:
        break;
    case KEY_PPM:
    case KEY_REFRACTION_COEFFICIENT:
    case KEY_USE_REFRACTION:
        return;
    default:
        KTX_APP_REPORT("false");
        return;
    }
    double dPpm = 0.0;
    if (computePpm(dPpm))
        setValue(KEY_PPM, dPpm);
}

bool AtmosphericSettingsModelC::couple(int iSourceKey, int iTargetKey, bool (*fnConvert)(double, double&))
{
    // The value set from the other one agrees with it already; setting the other back could go
    // to and fro for ever on the last digit.
    if (m_bCoupling)
        return true;
    double dSource = 0.0;
    if (!doubleValue(iSourceKey, dSource))
        return true;
    BSS::UTI::ScopedBoolResetterC oCoupling(&m_bCoupling);
    double dTarget = 0.0;
    if (!fnConvert(dSource, dTarget)) {
        V40::GUI::AbstractValueWidgetC::beep();
        undoLastChange(iSourceKey);
        return false;
    }
    setValue(iTargetKey, dTarget);
    return true;
}

bool AtmosphericSettingsModelC::doubleValue(int iKey, double& rdValue) const
{
    const QVariant varValue = getValue(iKey);
    bool bOk = false;
    const double dValue = varValue.isValid() ? varValue.toDouble(&bOk) : 0.0;
    if (!bOk || !std::isfinite(dValue))
        return false;
    rdValue = dValue;
    return true;
}

bool AtmosphericSettingsModelC::computePpm(double& rdPpm) const
{
    double dTemperature = 0.0;
    double dPressure = 0.0;
    double dHumidity = 0.0;
    double dHeight = 0.0;
    if (!doubleValue(KEY_TEMPERATURE, dTemperature) || !doubleValue(KEY_PRESSURE, dPressure)
        || !doubleValue(KEY_HUMIDITY, dHumidity) || !doubleValue(KEY_HEIGHT, dHeight))
        return false;
    const double dWavelength = INS::DistanceMeasurementC(INSTRUMENT).getCorrectionWavelength();
    double dWetTemperature = 0.0;
    double dPpm = 0.0;
    if (!GEO::wetBulbTemperature(dPressure, dTemperature, dHumidity, dWetTemperature)
        || !GEO::atmosphericPpm(dPressure, dTemperature, dWetTemperature, dWavelength, dPpm))
        return false;
    rdPpm = meaningful(dPpm);
    return true;
}

bool AtmosphericSettingsModelC::readValues()
{
    SDR::AtmosphericCorrectionC oData;
    const INS::CorrectionDataC oCorrectionData(INSTRUMENT);
    const int iFetched = oCorrectionData.fetch(oData);
    bool bRefractionOn = CCF::RefractionConfigC::FACTORY_ON;
    double dRefractionCoefficient = CCF::RefractionConfigC::FACTORY_COEFFICIENT;
    const int iRead = CCF::RefractionConfigC().read(bRefractionOn, dRefractionCoefficient);
    if (iFetched != INS::CorrectionDataC::RC_OK)
        KTX_APP_REPORT("0 == oCorrectionData.fetch( oData )");
    if (iRead != CCF::RefractionConfigC::RC_OK)
        KTX_APP_REPORT("0 == oRefractionConfig.read()");
    // Factory values shown in place of an unusable record are what OK is to store.
    if (iFetched == INS::CorrectionDataC::RC_DAMAGED || iRead == CCF::RefractionConfigC::RC_DAMAGED)
        markReadValuesUnstored();
    if (!(oData.getFlags() & SDR::AtmosphericCorrectionC::FLAG_PPM_FROM_ATMOSPHERE))
        KTX_APP_REPORT("oData.getFlags() & 2");

    setValue(KEY_TEMPERATURE, oData.getDryTemperature());
    setValue(KEY_PRESSURE, oData.getPressure());
    double dHumidity = 0.0;
    if (GEO::relativeHumidity(oData.getPressure(), oData.getWetTemperature(), oData.getDryTemperature(), dHumidity))
        setValue(KEY_HUMIDITY, meaningful(dHumidity));
    else
        KTX_APP_REPORT("GEO::relativeHumidity()");
    setValue(KEY_USE_REFRACTION, bRefractionOn);
    setValue(KEY_REFRACTION_COEFFICIENT, dRefractionCoefficient);
    return true;
}

bool AtmosphericSettingsModelC::writeValues()
{
    double dTemperature = 0.0;
    double dPressure = 0.0;
    double dHumidity = 0.0;
    double dPpm = 0.0;
    double dRefractionCoefficient = 0.0;
    const QVariant varUseRefraction = getValue(KEY_USE_REFRACTION);
    // A row without a value must not write a made-up one over the instrument's.
    if (!doubleValue(KEY_TEMPERATURE, dTemperature) || !doubleValue(KEY_PRESSURE, dPressure)
        || !doubleValue(KEY_HUMIDITY, dHumidity) || !doubleValue(KEY_PPM, dPpm)
        || !doubleValue(KEY_REFRACTION_COEFFICIENT, dRefractionCoefficient) || !varUseRefraction.isValid()) {
        KTX_APP_REPORT("bAllValues");
        return false;
    }
    const bool bUseRefraction = varUseRefraction.toBool();

    SDR::AtmosphericCorrectionC oData;
    const INS::CorrectionDataC oCorrectionData(INSTRUMENT);
    // An unusable record was reported when it was read; this store replaces it.
    const int iFetched = oCorrectionData.fetch(oData);
    if (iFetched != INS::CorrectionDataC::RC_OK && iFetched != INS::CorrectionDataC::RC_DAMAGED)
        KTX_APP_REPORT("0 == oCorrectionData.fetch( oData )");
    oData.setDryTemperature(dTemperature);
    oData.setPressure(dPressure);
    double dWetTemperature = 0.0;
    if (!GEO::wetBulbTemperature(dPressure, dTemperature, dHumidity, dWetTemperature)) {
        // The old wet bulb would stand for another humidity in the new air.
        KTX_APP_REPORT("GEO::wetBulbTemperature()");
        return false;
    }
    oData.setWetTemperature(dWetTemperature);
    oData.setFlags(oData.getFlags() | SDR::AtmosphericCorrectionC::FLAG_PPM_FROM_ATMOSPHERE);
    oData.setPpm(float(dPpm));
    oData.setTimeStamp(BSS::HAL::currentDateTime());
    // The distances are corrected with the coefficient only while the correction is on; the
    // configuration keeps the coefficient entered either way.
    oData.setRefractionCoefficient(bUseRefraction ? dRefractionCoefficient : 0.0);
    if (oCorrectionData.store(oData) != INS::CorrectionDataC::RC_OK)
        return false;
    return CCF::RefractionConfigC().write(bUseRefraction, dRefractionCoefficient) == CCF::RefractionConfigC::RC_OK;
}

} // namespace APP
} // namespace KTX
