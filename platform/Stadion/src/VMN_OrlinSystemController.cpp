#include "Stadion/VMN_OrlinSystemController.h"

#include "Stadion/VMN_CalibrationError.h"
#include "Stadion/VMN_LaserPlummetSettings.h"
#include "Stadion/VMN_SensorCalibrationParameterSet.h"
#include "VMN_SimTelescope.h"

#include "Ferrolib/BSS_HAL_DateTime.h"
#include "Ferrolib/BSS_TSK_Observer.h"
#include "Ferrolib/BSS_Trace.h"
#include "Gaugelib/SDR_CalibrationValues.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Trigonel/GEO_Angle.h"

#include <chrono>
#include <cmath>
#include <condition_variable>
#include <functional>
#include <mutex>
#include <thread>

namespace VMN {

namespace {

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Stadion");
    return s_oTrace;
}

// A pair whose target lies this close to the horizon yields the collimation, a steeper one the
// tilting axis.
constexpr double kHorizontalPair = 20.0 * GEO::PI / 200.0;

// The failure injected for the next measurement, taken: sensor type and code, or false.
bool takeInjectedFailure(int& riSensorType, int& riErrorCode)
{
    const QString strSensor = VSIM::SettingsC::textValue(QStringLiteral("Measurement/FailSensor"));
    const int iCode = VSIM::SettingsC::intValue(QStringLiteral("Measurement/FailCode"));
    if (strSensor == QLatin1String("none") || iCode == 0)
        return false;
    if (strSensor == QLatin1String("tilt"))
        riSensorType = OrlinSystemControllerC::SENSOR_COMPENSATOR;
    else if (strSensor == QLatin1String("edm"))
        riSensorType = OrlinSystemControllerC::SENSOR_DISTANCE;
    else
        riSensorType = OrlinSystemControllerC::SENSOR_ANGLE;
    riErrorCode = iCode;
    VSIM::SettingsC::setValue(QStringLiteral("Measurement/FailSensor"), QStringLiteral("none"), VSIM::WRITER_INSTRUMENT);
    trace().write("Calibration measurement fails as injected: sensor %s, code 0x%x\n", qPrintable(strSensor), unsigned(iCode));
    return true;
}

double storedTiltingAxis()
{
    SensorCalibrationParameterSetC oSet(1);
    if (oSet.load(0) != CCF::ParameterRecordC::RC_PARAMETER_OK)
        return 0.0;
    return oSet.getParameters().getValue(SDR::CalibrationParametersC::TILTING_AXIS);
}

} // namespace

struct OrlinSystemControllerC::PrivateS
{
    std::mutex oMutex;
    std::condition_variable oWake;
    std::thread oThread;
    bool bQuit = false;
    bool bBusy = false;
    BSS::TSK::SubjectC oCalibrationFinished;
    BSS::TSK::SubjectC oChangeFaceFinished;

    // The face pair of the calibration under way.
    bool bWithATR = false;
    bool bHaveFaceOne = false;
    bool bHaveFaceTwo = false;
    SIM::FaceReadingS sFaceOne;
    SIM::FaceReadingS sFaceTwo;
    // The collimation of the last horizontal pair: the steep pair's tilting axis needs it.
    bool bHaveCollimation = false;
    double dCollimation = 0.0;

    // Runs fnWork on the controller's thread after the delay; false while another one runs.
    bool runLater(int iDelayMs, const std::function<void()>& fnWork)
    {
        std::unique_lock<std::mutex> oLock(oMutex);
        if (bBusy || bQuit || oThread.get_id() == std::this_thread::get_id())
            return false;
        bBusy = true;
        if (oThread.joinable()) {
            oLock.unlock();
            oThread.join();
            oLock.lock();
        }
        oThread = std::thread([this, iDelayMs, fnWork] {
            {
                std::unique_lock<std::mutex> oWaitLock(oMutex);
                if (oWake.wait_for(oWaitLock, std::chrono::milliseconds(iDelayMs), [this] { return bQuit; }))
                    return;
            }
            fnWork();
        });
        return true;
    }

    // The work is done: another one may start, also from the notification that follows.
    void done()
    {
        std::unique_lock<std::mutex> oLock(oMutex);
        bBusy = false;
    }

    void measure()
    {
        int iSensorType = 0;
        int iErrorCode = 0;
        if (!takeInjectedFailure(iSensorType, iErrorCode)) {
            if (!SIM::isLevel()) {
                iSensorType = SENSOR_ANGLE;
                iErrorCode = CALIBRATION_ERROR_OUT_OF_LEVEL;
            } else {
                const SIM::FaceReadingS sReading = SIM::readFace();
                std::unique_lock<std::mutex> oLock(oMutex);
                if (sReading.bFaceOne) {
                    sFaceOne = sReading;
                    bHaveFaceOne = true;
                    bHaveFaceTwo = false;
                } else {
                    sFaceTwo = sReading;
                    bHaveFaceTwo = bHaveFaceOne;
                }
            }
        }
        done();
        oCalibrationFinished.notify(iSensorType, iErrorCode);
    }
};

OrlinSystemControllerC::OrlinSystemControllerC()
    : m_upPrivate(new PrivateS)
{
}

OrlinSystemControllerC::~OrlinSystemControllerC()
{
    {
        std::unique_lock<std::mutex> oLock(m_upPrivate->oMutex);
        m_upPrivate->bQuit = true;
    }
    m_upPrivate->oWake.notify_all();
    if (m_upPrivate->oThread.joinable())
        m_upPrivate->oThread.join();
}

int OrlinSystemControllerC::setLightMode(VSC::LightE eLight, VSC::LightModeE eLightMode)
{
    if (eLight != VSC::LIGHT_LASER_PLUMMET || !VSIM::SettingsC::boolValue(QStringLiteral("LaserPlummet/Option")))
        return RC_NO_SUCH_LIGHT;
    const bool bOn = (eLightMode == VSC::LIGHT_MODE_ON);
    QString strError;
    if (!VSIM::SettingsC::setValue(QStringLiteral("LaserPlummet/On"), bOn, VSIM::WRITER_INSTRUMENT, &strError)) {
        trace().write("The laser plummet cannot be switched: %s\n", qPrintable(strError));
        return RC_LIGHT_FAILED;
    }
    if (bOn) {
        // The plummet shines at the intensity stored in its settings.
        LaserPlummetSettingsC oSettings(1);
        oSettings.load(0);
        trace().write("Laser plummet on at %d %%.\n", oSettings.getIntensity());
    } else {
        trace().write("Laser plummet off.\n");
    }
    return RC_OK;
}

int OrlinSystemControllerC::startChangeFace(int iMode)
{
    (void)iMode;
    if (!VSIM::SettingsC::boolValue(QStringLiteral("Capability/Motorised")))
        return RC_NOT_MOTORISED;
    PrivateS* pPrivate = m_upPrivate.get();
    const int iDelay = VSIM::SettingsC::intValue(QStringLiteral("Measurement/FaceChangeDelay"));
    const bool bStarted = pPrivate->runLater(iDelay, [pPrivate] {
        if (!SIM::changeFace())
            trace().write("The telescope could not be turned to the other face.\n");
        pPrivate->done();
        pPrivate->oChangeFaceFinished.notify(0, 0);
    });
    return bStarted ? RC_OK : RC_BUSY;
}

int OrlinSystemControllerC::startNewCalibration(bool bWithATR)
{
    std::unique_lock<std::mutex> oLock(m_upPrivate->oMutex);
    m_upPrivate->bWithATR = bWithATR;
    m_upPrivate->bHaveFaceOne = false;
    m_upPrivate->bHaveFaceTwo = false;
    return RC_OK;
}

int OrlinSystemControllerC::doCalibrationMeas()
{
    PrivateS* pPrivate = m_upPrivate.get();
    return pPrivate->runLater(0, [pPrivate] { pPrivate->measure(); }) ? RC_OK : RC_BUSY;
}

int OrlinSystemControllerC::getCalibrationMeas(SDR::CalibrationValuesS& rValues)
{
    const double dStoredTiltingAxis = storedTiltingAxis();
    const double dTemperature = VSIM::SettingsC::doubleValue(QStringLiteral("Sensor/InternalTemperature"));
    PrivateS& rPrivate = *m_upPrivate;
    std::unique_lock<std::mutex> oLock(rPrivate.oMutex);
    if (!rPrivate.bHaveFaceTwo)
        return RC_CALIBRATION_ERROR;
    const SIM::FaceReadingS& r1 = rPrivate.sFaceOne;
    const SIM::FaceReadingS& r2 = rPrivate.sFaceTwo;
    SDR::CalibrationValuesS sValues;
    sValues.DateTime = BSS::HAL::currentDateTime();
    sValues.IntTemp = dTemperature;
    // The zenith angles of the two faces add up to a full turn plus twice the index error; the
    // compensator reads the tilt with opposite signs in the two faces.
    sValues.VIndex = (r1.dV + r2.dV - 2.0 * GEO::PI) / 2.0;
    sValues.LIndex = (r1.dL + r2.dL) / 2.0;
    sValues.QIndex = (r1.dT + r2.dT) / 2.0;
    // Half the difference of the faces (less the half turn) is c / sin V + i cot V.
    double dDifference = r1.dHz - r2.dHz + GEO::PI;
    GEO::reduceAngle(dDifference);
    const double dError = dDifference / 2.0;
    const double dV = r1.dV - sValues.VIndex;
    const double dSinV = std::sin(dV);
    const double dCotV = std::cos(dV) / dSinV;
    if (std::fabs(dV - GEO::PI / 2.0) <= kHorizontalPair) {
        // The tilting axis known so far is removed; at the horizon it hardly matters.
        sValues.HzCollimation = (dError - dStoredTiltingAxis * dCotV) * dSinV;
        sValues.TiltAxis = dStoredTiltingAxis;
        rPrivate.dCollimation = sValues.HzCollimation;
        rPrivate.bHaveCollimation = true;
    } else {
        sValues.HzCollimation = rPrivate.bHaveCollimation ? rPrivate.dCollimation : 0.0;
        sValues.TiltAxis = (dError - sValues.HzCollimation / dSinV) / dCotV;
    }
    if (rPrivate.bWithATR) {
        sValues.AtrHzFace1 = r1.dAtrHz;
        sValues.AtrVFace1 = r1.dAtrV;
        sValues.AtrHzFace2 = r2.dAtrHz;
        sValues.AtrVFace2 = r2.dAtrV;
    }
    rValues = sValues;
    return RC_OK;
}

BSS::TSK::SubjectC* OrlinSystemControllerC::getCalibrationFinishedSubject()
{
    return &m_upPrivate->oCalibrationFinished;
}

BSS::TSK::SubjectC* OrlinSystemControllerC::getChangeFaceFinishedSubject()
{
    return &m_upPrivate->oChangeFaceFinished;
}

} // namespace VMN
