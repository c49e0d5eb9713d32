#include "Stadion/VMN_OrlinSensor.h"

#include "VMN_SimTelescope.h"

#include "Gaugelib/SDR_AngleMeasurement.h"

#include "Ferrolib/BSS_TSK_Command.h"
#include "Ferrolib/BSS_TSK_Observer.h"
#include "Marrowlib/CCF_HardwareController.h"
#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

#include <cmath>
#include <mutex>
#include <random>

namespace VMN {

namespace {

const QStringList& tiltKeys()
{
    static const QStringList s_lstKeys{QStringLiteral("Sensor/TiltL"), QStringLiteral("Sensor/TiltT"),
                                       QStringLiteral("Sensor/TiltNoise"), QStringLiteral("Sensor/CompensatorRange")};
    return s_lstKeys;
}

// The simulated instrument's tilt as the sensor sees it.
struct TiltS
{
    double dL = 0.0;
    double dT = 0.0;
    double dNoise = 0.0;
    double dRange = 0.0;
};

TiltS readTilt()
{
    TiltS sTilt;
    sTilt.dL = VSIM::SettingsC::doubleValue(tiltKeys().at(0));
    sTilt.dT = VSIM::SettingsC::doubleValue(tiltKeys().at(1));
    sTilt.dNoise = VSIM::SettingsC::doubleValue(tiltKeys().at(2));
    sTilt.dRange = VSIM::SettingsC::doubleValue(tiltKeys().at(3));
    return sTilt;
}

} // namespace

struct OrlinSensorC::PrivateS
{
    std::mutex oMutex;
    TiltS sTilt;
    std::mt19937 oRandom{std::random_device{}()};
    int iMeasurements = 0;
    int iWatcherId = 0;
    // New data is announced to the measurement data subject with every hardware notification.
    BSS::TSK::SubjectC oInclinationData;
    BSS::TSK::CommandC oDataCommand;

    // The tilt is read again only when the simulator settings changed, not at every reading.
    void takeTilt()
    {
        const TiltS sTiltNow = readTilt();
        std::unique_lock<std::mutex> oLock(oMutex);
        sTilt = sTiltNow;
    }

    double noisy(double dValue, double dSigma)
    {
        if (dSigma <= 0.0)
            return dValue;
        std::normal_distribution<double> oNoise(0.0, dSigma);
        return dValue + oNoise(oRandom);
    }
};

OrlinSensorC::OrlinSensorC()
    : m_upPrivate(new PrivateS)
{
    PrivateS* pPrivate = m_upPrivate.get();
    pPrivate->oDataCommand.bindCommand([pPrivate](int, int) { pPrivate->oInclinationData.notify(DATA_INCLINATIONS, 0); });
}

OrlinSensorC::~OrlinSensorC()
{
    while (m_upPrivate->iMeasurements > 0)
        stopMeasurement();
}

bool OrlinSensorC::activate()
{
    return true;
}

void OrlinSensorC::startMeasurement()
{
    PrivateS& rPrivate = *m_upPrivate;
    {
        std::unique_lock<std::mutex> oLock(rPrivate.oMutex);
        if (rPrivate.iMeasurements++ > 0)
            return;
    }
    // Watching first, so that no change after the first reading is missed.
    rPrivate.iWatcherId = VSIM::SettingsWatcherC::subscribe([&rPrivate](const QStringList& lstChangedKeys) {
        for (const QString& strKey : lstChangedKeys) {
            if (tiltKeys().contains(strKey)) {
                rPrivate.takeTilt();
                return;
            }
        }
    });
    rPrivate.takeTilt();
    CCF::HardwareControllerC* pController = CCF::getHardwareController();
    if (pController) {
        rPrivate.oDataCommand.subscribe(&pController->notificationSource());
        pController->startNotifying();
    }
}

void OrlinSensorC::stopMeasurement()
{
    PrivateS& rPrivate = *m_upPrivate;
    {
        std::unique_lock<std::mutex> oLock(rPrivate.oMutex);
        if (rPrivate.iMeasurements == 0 || --rPrivate.iMeasurements > 0)
            return;
    }
    // Without the lock: the watcher and the notifications wait for their callbacks, which take it.
    if (CCF::HardwareControllerC* pController = CCF::getHardwareController())
        pController->stopNotifying();
    rPrivate.oDataCommand.unsubscribe();
    VSIM::SettingsWatcherC::unsubscribe(rPrivate.iWatcherId);
    rPrivate.iWatcherId = 0;
}

BSS::TSK::SubjectC* OrlinSensorC::subscribeMeasurementData(int iKind)
{
    return iKind == DATA_INCLINATIONS ? &m_upPrivate->oInclinationData : nullptr;
}

unsigned OrlinSensorC::readInclinations(double& rdLInclination, double& rdTInclination)
{
    PrivateS& rPrivate = *m_upPrivate;
    std::unique_lock<std::mutex> oLock(rPrivate.oMutex);
    if (rPrivate.iMeasurements == 0)
        return INCLINATION_NOT_MEASURING;
    const TiltS& rTilt = rPrivate.sTilt;
    rdLInclination = rPrivate.noisy(rTilt.dL, rTilt.dNoise);
    rdTInclination = rPrivate.noisy(rTilt.dT, rTilt.dNoise);
    const bool bInRange = std::fabs(rdLInclination) <= rTilt.dRange && std::fabs(rdTInclination) <= rTilt.dRange;
    return bInRange ? INCLINATION_OK : INCLINATION_OUT_OF_RANGE;
}

bool OrlinSensorC::inclinationsValid(unsigned uStatus) const
{
    return uStatus == INCLINATION_OK;
}

unsigned OrlinSensorC::readAngleMeasurement(SDR::AngleMeasurementC& rRecord)
{
    {
        std::unique_lock<std::mutex> oLock(m_upPrivate->oMutex);
        if (m_upPrivate->iMeasurements == 0) {
            rRecord.setFlags(0);
            return ANGLES_NOT_MEASURING;
        }
    }
    const SIM::FaceReadingS sReading = SIM::readFace();
    rRecord.setHz(sReading.dHz);
    rRecord.setV(sReading.dV);
    rRecord.setFlags(SDR::AngleMeasurementC::FLAG_HZ_VALID | SDR::AngleMeasurementC::FLAG_V_VALID);
    return ANGLES_OK;
}

bool OrlinSensorC::angleMeasurementValid(unsigned uStatus) const
{
    return uStatus == ANGLES_OK;
}

bool OrlinSensorC::hasCapability(unsigned uMask) const
{
    unsigned uCapabilities = 0;
    if (VSIM::SettingsC::boolValue(QStringLiteral("Capability/ATR")))
        uCapabilities |= CAPABILITY_ATR;
    if (VSIM::SettingsC::boolValue(QStringLiteral("Capability/Motorised")))
        uCapabilities |= CAPABILITY_MOTORISED;
    return (uCapabilities & uMask) == uMask;
}

} // namespace VMN
