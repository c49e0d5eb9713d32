#include "KTX/APP/KTX_APP_LevelLaserPlummetModel.h"

#include "Ferrolib/BSS_Assert.h"
#include "Marrowlib/CCF_HardwareController.h"
#include "Stadion/VMN_InstrumentInfo.h"
#include "Stadion/VMN_LaserPlummetSettings.h"
#include "Stadion/VMN_OrlinSensor.h"
#include "Stadion/VMN_OrlinStatusController.h"
#include "Stadion/VMN_OrlinSystemAccessor.h"
#include "Stadion/VMN_OrlinSystemController.h"

#include <cmath>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_LevelLaserPlummetModel", __LINE__)

namespace KTX {
namespace APP {

namespace {

constexpr int RC_OK = 0;
constexpr int kMaxIntensity = 100;

// Changes below 1e-9 rad are no changes (both truncated toward zero to nanoradians).
bool differs(double dValue, double dStored)
{
    return std::trunc(dValue * 1e9) != std::trunc(dStored * 1e9);
}

} // namespace

void LevelLaserPlummetModelC::MeasurementObserverC::onNotify(int, int, BSS::TSK::ResponseMsgC*)
{
}

LevelLaserPlummetModelC::LevelLaserPlummetModelC(QObject* parent)
    : QObject(parent)
    , m_dLInclination(0.0)
    , m_dTInclination(0.0)
    , m_bInclinationsValid(false)
    , m_bHasLaserPlummet(false)
    , m_bStarted(false)
    , m_pMeasSubject(nullptr)
    // Taken when the model is made, with the screen built ahead: its thread is there before the
    // first opening.
    , m_pController(CCF::getHardwareController())
    , m_oPlummetOff([this] { SetLaserPlummetOn(false); })
{
    ReadInstrumentInfo();
    bindCommand([this](int, int) { UpdateInclinations(); });
}

void LevelLaserPlummetModelC::ReadInstrumentInfo()
{
    VMN::InstrumentInfoC oInstrumentInfo;
    VMN::OrlinStatusControllerC* pStatusController = VMN::OrlinSystemAccessorC::getOrlinStatusController();
    if (!pStatusController || pStatusController->getInstrumentInfo(oInstrumentInfo) != RC_OK)
        KTX_APP_REPORT("RC_OK == VMN::OrlinSystemAccessorC::getOrlinStatusController()->getInstrumentInfo( oInstrumentInfo )");
    m_bHasLaserPlummet = oInstrumentInfo.hasOption(VMN::InstrumentInfoC::OPTION_LASER_PLUMMET);
}

LevelLaserPlummetModelC::~LevelLaserPlummetModelC()
{
    Stop();
}

bool LevelLaserPlummetModelC::HasLaserPlummet() const
{
    return m_bHasLaserPlummet;
}

unsigned short LevelLaserPlummetModelC::GetLaserPlummetIntensity() const
{
    if (!m_bHasLaserPlummet)
        return 0;
    VMN::LaserPlummetSettingsC oSettings(1);
    if (oSettings.load(0) != RC_OK) {
        KTX_APP_REPORT("false");
        return 0;
    }
    return static_cast<unsigned short>(qBound(0, oSettings.getIntensity(), kMaxIntensity));
}

bool LevelLaserPlummetModelC::StoreLaserPlummetIntensity(int iIntensity)
{
    if (m_bHasLaserPlummet && iIntensity >= 0 && iIntensity <= kMaxIntensity) {
        VMN::LaserPlummetSettingsC oSettings(1);
        if (oSettings.load(0) == RC_OK) {
            oSettings.setIntensity(iIntensity);
            if (oSettings.save(1) == RC_OK)
                return true;
        }
    }
    KTX_APP_REPORT("false");
    return false;
}

void LevelLaserPlummetModelC::SetLaserPlummetOn(bool bOn)
{
    if (!m_bHasLaserPlummet)
        return;
    const VSC::LightModeE eLightMode =
        (bOn && GetLaserPlummetIntensity() > 0) ? VSC::LIGHT_MODE_ON : VSC::LIGHT_MODE_OFF;
    VMN::OrlinSystemControllerC* poOrlinSystemController = VMN::OrlinSystemAccessorC::getOrlinSystemController();
    if (!poOrlinSystemController) {
        KTX_APP_REPORT("0 != poOrlinSystemController");
        return;
    }
    if (poOrlinSystemController->setLightMode(VSC::LIGHT_LASER_PLUMMET, eLightMode) != RC_OK)
        KTX_APP_REPORT("RC_OK == poOrlinSystemController->setLightMode( VSC::LIGHT_LASER_PLUMMET, eLightMode )");
}

void LevelLaserPlummetModelC::onLaserPlummetIntensityChanged(int iIntensity)
{
    if (m_bHasLaserPlummet && StoreLaserPlummetIntensity(iIntensity))
        SetLaserPlummetOn(iIntensity > 0);
}

void LevelLaserPlummetModelC::UpdateInclinations()
{
    VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
    if (!pSensor)
        return;
    double dL = 0.0;
    double dT = 0.0;
    const unsigned uStatus = pSensor->readInclinations(dL, dT);
    const bool bWasValid = m_bInclinationsValid;
    m_bInclinationsValid = pSensor->inclinationsValid(uStatus);
    if (!m_bInclinationsValid) {
        emit inclinationsInvalid();
        return;
    }
    // The first valid reading after none or an invalid one is shown even when it did not change:
    // the screen hid the bubbles meanwhile.
    if (bWasValid && !differs(dL, m_dLInclination) && !differs(dT, m_dTInclination))
        return;
    m_dLInclination = dL;
    m_dTInclination = dT;
    emit inclinationsChanged(dL, dT);
}

void LevelLaserPlummetModelC::Start()
{
    if (m_bStarted)
        return;
    StartReadings();
    SetLaserPlummetOn(true);
}

void LevelLaserPlummetModelC::StartReadings()
{
    // Started again before the plummet went off: it stays on.
    m_oPlummetOff.cancel();
    if (m_bStarted)
        return;
    m_bStarted = true;
    m_bInclinationsValid = false;
    if (m_pController)
        subscribe(&m_pController->notificationSource());
    VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
    m_pMeasSubject = pSensor ? pSensor->subscribeMeasurementData(VMN::OrlinSensorC::DATA_INCLINATIONS) : nullptr;
    if (!m_pMeasSubject)
        KTX_APP_REPORT("0 != pMeasSubject");
    else
        m_pMeasSubject->subscribe(&m_oMeasurementObserver);
    if (pSensor)
        pSensor->startMeasurement();
}

void LevelLaserPlummetModelC::Stop()
{
    const bool bOffPending = m_oPlummetOff.isPending();
    m_oPlummetOff.cancel();
    if (m_bStarted || bOffPending)
        SetLaserPlummetOn(false);
    StopReadings();
}

void LevelLaserPlummetModelC::StopWithPlummetLater()
{
    if (!m_bStarted)
        return;
    StopReadings();
    m_oPlummetOff.schedule();
}

void LevelLaserPlummetModelC::StopReadings()
{
    if (!m_bStarted)
        return;
    m_bStarted = false;
    VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
    if (pSensor) {
        pSensor->stopMeasurement();
        if (!pSensor->activate())
            KTX_APP_REPORT("pSensor->activate()");
    }
    if (m_pMeasSubject)
        m_pMeasSubject->unsubscribe(&m_oMeasurementObserver);
    m_pMeasSubject = nullptr;
    // No reading may come after the screen has gone.
    unsubscribe();
}

bool LevelLaserPlummetModelC::isStarted() const
{
    return m_bStarted;
}

} // namespace APP
} // namespace KTX
