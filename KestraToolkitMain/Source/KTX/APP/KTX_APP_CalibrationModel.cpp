#include "KTX/APP/KTX_APP_CalibrationModel.h"

#include "KTX/APP/KTX_APP_CalibrationErrorCode.h"

#include "Ferrolib/BSS_Assert.h"
#include "Ferrolib/BSS_HAL_DateTime.h"
#include "Ferrolib/BSS_HAL_Platform.h"
#include "Ferrolib/BSS_TSK_Observer.h"
#include "Ferrolib/BSS_Trace.h"
#include "Marrowlib/CCF_HardwareController.h"
#include "Stadion/VMN_CalibrationError.h"
#include "Stadion/VMN_MeasConfig.h"
#include "Stadion/VMN_OrlinSensor.h"
#include "Stadion/VMN_OrlinStatusController.h"
#include "Stadion/VMN_OrlinSystemAccessor.h"
#include "Stadion/VMN_OrlinSystemController.h"
#include "Stadion/VMN_SensorCalibrationParameterSet.h"

#include <QTimer>

#include <cmath>
#include <limits>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CalibrationModel", __LINE__)

namespace KTX {
namespace APP {

namespace {

constexpr double kPi = 3.141592653589793;
constexpr int RC_OK = 0;
constexpr int kAccumulatorCount = 11;
constexpr int kStartDelayMs = 1000;

// The accumulators, by what they collect.
enum AccumulatorE
{
    ACC_L_INDEX = 0,
    ACC_Q_INDEX = 1,
    ACC_V_INDEX = 2,
    ACC_HZ_COLLIMATION = 3,
    ACC_ATR_HZ = 4,
    ACC_ATR_HZ_FACE1 = 5,
    ACC_ATR_HZ_FACE2 = 6,
    ACC_ATR_V = 7,
    ACC_ATR_V_FACE1 = 8,
    ACC_ATR_V_FACE2 = 9,
    ACC_TILT_AXIS = 10
};

// The accumulators store() writes, with the parameter each goes to.
struct StoredS
{
    int iAccumulator;
    int iQuantity;
};

const StoredS s_asAlwaysStored[] = {
    {ACC_L_INDEX, SDR::CalibrationParametersC::COMPENSATOR_L_INDEX},
    {ACC_Q_INDEX, SDR::CalibrationParametersC::COMPENSATOR_T_INDEX},
    {ACC_V_INDEX, SDR::CalibrationParametersC::V_INDEX},
    {ACC_HZ_COLLIMATION, SDR::CalibrationParametersC::HZ_COLLIMATION},
    {ACC_TILT_AXIS, SDR::CalibrationParametersC::TILTING_AXIS},
};
const StoredS s_asAtrStored[] = {
    {ACC_ATR_HZ, SDR::CalibrationParametersC::ATR_HZ_COLLIMATION},
    {ACC_ATR_V, SDR::CalibrationParametersC::ATR_V_COLLIMATION},
};
const StoredS s_asAtrFaceStored[] = {
    {ACC_ATR_HZ_FACE1, SDR::CalibrationParametersC::ATR_HZ_FACE1},
    {ACC_ATR_HZ_FACE2, SDR::CalibrationParametersC::ATR_HZ_FACE2},
    {ACC_ATR_V_FACE1, SDR::CalibrationParametersC::ATR_V_FACE1},
    {ACC_ATR_V_FACE2, SDR::CalibrationParametersC::ATR_V_FACE2},
};

double gon(double dGon)
{
    return dGon / 200.0 * kPi;
}

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("Calibration");
    return s_oTrace;
}

void traceValues(const CalibrationValuesS& rValues)
{
    trace().write("DateTime: %f\r\n", rValues.DateTime);
    trace().write("IntTemp: %f\r\n", rValues.IntTemp);
    trace().write("HzCollimation: %f\r\n", rValues.HzCollimation);
    trace().write("TiltAxis: %f\r\n", rValues.TiltAxis);
    trace().write("VIndex: %f\r\n", rValues.VIndex);
    trace().write("LIndex: %f\r\n", rValues.LIndex);
    trace().write("QIndex: %f\r\n", rValues.QIndex);
    trace().write("AtrHzFace1: %f\r\n", rValues.AtrHzFace1);
    trace().write("AtrVFace1: %f\r\n", rValues.AtrVFace1);
    trace().write("AtrHzFace2: %f\r\n", rValues.AtrHzFace2);
    trace().write("AtrVFace2: %f\r\n", rValues.AtrVFace2);
}

#define KTX_APP_TRACE_SCOPE(name) BSS::TraceScopeC oTraceScope(trace(), "KTX::APP::CalibrationModelC::" name)

} // namespace

const double CalibrationModelC::s_dMaxCalibrationError = gon(0.1);
const double CalibrationModelC::s_dMaxATRError = gon(0.05);

CalibrationModelC::CalibrationModelC(bool bATRAdjust)
    : m_bATRAdjust(bATRAdjust)
    , m_dTemperature(std::numeric_limits<double>::max())
    , m_dDateTime(0.0)
    , m_vecAccumulators(kAccumulatorCount, GEO::StatisticsAccumulatorC(1))
    , m_unNoOfValidMeas(0)
    , m_pMeasSubject(nullptr)
    , m_pCalibrationSubject(nullptr)
    , m_pChangeFaceSubject(nullptr)
    , m_bSensorMeasuring(false)
{
    Init();
}

CalibrationModelC::~CalibrationModelC()
{
    detach();
}

void CalibrationModelC::detach()
{
    // No notification may reach the model once it is gone.
    if (m_pMeasSubject)
        m_pMeasSubject->unsubscribe(&m_oMeasDataObserver);
    if (m_pCalibrationSubject)
        m_pCalibrationSubject->unsubscribe(&m_oCalibrationObserver);
    if (m_pChangeFaceSubject)
        m_pChangeFaceSubject->unsubscribe(&m_oChangeFaceObserver);
    m_pMeasSubject = m_pCalibrationSubject = m_pChangeFaceSubject = nullptr;
    VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
    if (m_bSensorMeasuring && pSensor)
        pSensor->stopMeasurement();
    m_bSensorMeasuring = false;
}

void CalibrationModelC::Init()
{
    KTX_APP_TRACE_SCOPE("Init");
    detach();
    if (!CCF::getHardwareController()) {
        KTX_APP_REPORT("poHwController");
        return;
    }
    VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
    BSS::TSK::SubjectC* pMeasSubject =
        pSensor ? pSensor->subscribeMeasurementData(VMN::OrlinSensorC::DATA_INCLINATIONS) : nullptr;
    if (!pMeasSubject)
        KTX_APP_REPORT("0 != pMeasSubject");
    VMN::OrlinSystemControllerC* poOrlinSystemController = VMN::OrlinSystemAccessorC::getOrlinSystemController();
    if (!poOrlinSystemController) {
        KTX_APP_REPORT("poOrlinSystemController");
        return;
    }
    if (!pSensor || !pSensor->hasCapability(VMN::OrlinSensorC::CAPABILITY_ATR)) {
        if (m_bATRAdjust)
            KTX_APP_REPORT("!m_bATRAdjust");
        m_bATRAdjust = false;
    }

    if (pMeasSubject && pMeasSubject->subscribe(&m_oMeasDataObserver))
        m_pMeasSubject = pMeasSubject;
    if (poOrlinSystemController->getCalibrationFinishedSubject()->subscribe(&m_oCalibrationObserver))
        m_pCalibrationSubject = poOrlinSystemController->getCalibrationFinishedSubject();
    if (poOrlinSystemController->getChangeFaceFinishedSubject()->subscribe(&m_oChangeFaceObserver))
        m_pChangeFaceSubject = poOrlinSystemController->getChangeFaceFinishedSubject();
    connect(&m_oMeasDataObserver, QOverload<>::of(&ObserverC::notify), this, &CalibrationModelC::onMeasDataUpdate,
            Qt::UniqueConnection);
    connect(&m_oCalibrationObserver, QOverload<int, int>::of(&ObserverC::notify), this,
            &CalibrationModelC::OnSingleCalibrationMeasFinished, Qt::UniqueConnection);
    connect(&m_oChangeFaceObserver, QOverload<>::of(&ObserverC::notify), this, &CalibrationModelC::onChangeFaceFinished,
            Qt::UniqueConnection);

    VMN::MeasConfigC oMeasConfig;
    if (!oMeasConfig.Get())
        KTX_APP_REPORT("oMeasConfig.Get()");
    oMeasConfig.setMode(VMN::MeasConfigC::MODE_CONTINUOUS);
    if (!oMeasConfig.Activate())
        KTX_APP_REPORT("oMeasConfig.Activate()");
    if (pSensor) {
        if (!pSensor->activate())
            KTX_APP_REPORT("pSensor->activate()");
        // The step screens show the telescope's angles live, from the first screen on.
        pSensor->startMeasurement();
        m_bSensorMeasuring = true;
        onMeasDataUpdate();
    }
    ResetMeasurements();
}

void CalibrationModelC::ResetMeasurements()
{
    m_unNoOfValidMeas = 0;
    for (GEO::StatisticsAccumulatorC& rAccumulator : m_vecAccumulators)
        rAccumulator.reset();
}

bool CalibrationModelC::IsCalibrationFinished() const
{
    return m_unNoOfValidMeas == iMAX_NO_OF_MEAS;
}

bool CalibrationModelC::IsATRAdjust() const
{
    return m_bATRAdjust;
}

bool CalibrationModelC::StartSingleCalibrationMeas()
{
    m_oError = CalibrationErrorS();
    if (!IsVAngleInRange()) {
        m_oError.iCode = CAL_ERR_V_RANGE;
    } else if (!IsInstrumentLevel()) {
        m_oError.iCode = CAL_ERR_OUT_OF_LEVEL;
        ResetMeasurements();
    }
    if (m_oError.iCode != CAL_ERR_NONE) {
        NotifySingleCalibrationMeasFinished();
        return false;
    }
    return true;
}

void CalibrationModelC::TriggerSingleCalibrationMeas()
{
    QTimer::singleShot(kStartDelayMs, this, &CalibrationModelC::OnSingleCalibrationMeasStarted);
}

unsigned short CalibrationModelC::GetNoOfValidMeas() const
{
    return m_unNoOfValidMeas;
}

int CalibrationModelC::GetCalibrationType() const
{
    if (m_unNoOfValidMeas < 4)
        return 1;
    if (m_unNoOfValidMeas < iMAX_NO_OF_MEAS)
        return 2;
    KTX_APP_REPORT("false");
    return 0;
}

bool CalibrationModelC::IsFaceOneMeas() const
{
    return m_unNoOfValidMeas % 2 == 0;
}

bool CalibrationModelC::IsFaceTwoMeas() const
{
    return m_unNoOfValidMeas % 2 == 1;
}

QList<GEO::AngleIntervalC> CalibrationModelC::GetValidVAngleRanges() const
{
    const bool bFaceOne = IsFaceOneMeas();
    switch (GetCalibrationType()) {
    case 1:
        return bFaceOne ? QList<GEO::AngleIntervalC>{{gon(90), gon(110)}}
                        : QList<GEO::AngleIntervalC>{{gon(290), gon(310)}};
    case 2:
        return bFaceOne ? QList<GEO::AngleIntervalC>{{gon(30), gon(70)}, {gon(130), gon(170)}}
                        : QList<GEO::AngleIntervalC>{{gon(230), gon(270)}, {gon(330), gon(370)}};
    default:
        return QList<GEO::AngleIntervalC>();
    }
}

bool CalibrationModelC::IsVAngleInRange() const
{
    if (!(m_oMeasData.getFlags() & SDR::AngleMeasurementC::FLAG_V_VALID))
        return false;
    for (const GEO::AngleIntervalC& rInterval : GetValidVAngleRanges()) {
        if (rInterval.contains(m_oMeasData.getV()))
            return true;
    }
    return false;
}

bool CalibrationModelC::IsInstrumentLevel() const
{
    VMN::OrlinStatusControllerC* poOrlinStatusController = VMN::OrlinSystemAccessorC::getOrlinStatusController();
    if (!poOrlinStatusController) {
        KTX_APP_REPORT("poOrlinStatusController");
        return false;
    }
    switch (poOrlinStatusController->getLevelState()) {
    case 1:
    case 3:
        return true;
    case 0:
    case 2:
    case 4:
    case 5:
        return false;
    default:
        KTX_APP_REPORT("false");
        return false;
    }
}

void CalibrationModelC::OnSingleCalibrationMeasStarted()
{
    VMN::OrlinSystemControllerC* poOrlinSystemController = VMN::OrlinSystemAccessorC::getOrlinSystemController();
    if (!poOrlinSystemController) {
        KTX_APP_REPORT("poOrlinSystemController");
        return;
    }
    VMN::OrlinStatusControllerC* poOrlinStatusController = VMN::OrlinSystemAccessorC::getOrlinStatusController();
    if (!poOrlinStatusController) {
        KTX_APP_REPORT("poOrlinStatusController");
        return;
    }
    if (IsFaceOneMeas()) {
        const bool bWithATR = GetCalibrationType() == 1 && m_bATRAdjust;
        trace().write("poOrlinSystemController->startNewCalibration(bWithATR = %s)\r\n", bWithATR ? "true" : "false");
        if (poOrlinSystemController->startNewCalibration(bWithATR) != RC_OK) {
            trace().write("poOrlinSystemController->startNewCalibration() failed\r\n");
            KTX_APP_REPORT("false");
        }
        if (poOrlinStatusController->getInternalTemperature(m_dTemperature) != RC_OK) {
            KTX_APP_REPORT("false");
            m_dTemperature = -274.0;
        }
    }
    trace().write("poOrlinSystemController->doCalibrationMeas()\r\n");
    if (poOrlinSystemController->doCalibrationMeas() == RC_OK) {
        trace().write("calibration started\r\n");
    } else {
        trace().write("poOrlinSystemController->doCalibrationMeas() failed\r\n");
        KTX_APP_REPORT("false");
    }
}

void CalibrationModelC::OnSingleCalibrationMeasFinished(int ulErrorSensorType, int ulErrorCode)
{
    KTX_APP_TRACE_SCOPE("OnSingleCalibrationMeasFinished");
    if (ulErrorCode != 0) {
        trace().write("Error occurred during calibration measurement: SensorType=%d, ErrorCode=%d\r\n", ulErrorSensorType,
                      ulErrorCode);
        if (ulErrorSensorType == VMN::OrlinSystemControllerC::SENSOR_COMPENSATOR) {
            m_oError.iCode = CAL_ERR_COMPENSATOR;
        } else if (ulErrorSensorType == VMN::OrlinSystemControllerC::SENSOR_ANGLE) {
            switch (ulErrorCode) {
            case VMN::CALIBRATION_ERROR_OUT_OF_LEVEL:
                m_oError.iCode = CAL_ERR_OUT_OF_LEVEL;
                // "Redo procedure?" means it: values measured before the instrument moved are
                // not mixed with those measured after levelling it again.
                ResetMeasurements();
                break;
            case VMN::CALIBRATION_ERROR_ATR_ACCURACY:
                m_oError.iCode = CAL_ERR_ATR_ACCURACY;
                break;
            case VMN::CALIBRATION_ERROR_PRISM_NOT_DETECTED:
            case VMN::CALIBRATION_ERROR_PRISM_REFLECTIONS:
                m_oError.iCode = CAL_ERR_PRISM_NOT_DETECTED;
                break;
            case VMN::CALIBRATION_ERROR_NO_PRISM:
                m_oError.iCode = CAL_ERR_NO_PRISM;
                break;
            default:
                m_oError.iCode = CAL_ERR_UNKNOWN;
                DecodeErrorCode(ulErrorCode, m_oError.strModule, m_oError.iNumber, m_oError.bFlag);
                break;
            }
        } else {
            KTX_APP_REPORT("false");
        }
        NotifySingleCalibrationMeasFinished();
        return;
    }

    if (IsFaceTwoMeas()) {
        CalibrationValuesS oValues;
        if (!GetCalibrationMeas(oValues)) {
            trace().write("GetCalibrationMeas() returned error\r\n");
            // The face-I half goes too: the pair is measured again from face I.
            --m_unNoOfValidMeas;
            if (!StartChangeFace())
                NotifySingleCalibrationMeasFinished();
            return;
        }
        trace().write("calibration values from FW:\r\n");
        traceValues(oValues);
        UpdateCalibrationErrors(oValues);
    }
    m_dDateTime = BSS::HAL::currentDateTime();
    ++m_unNoOfValidMeas;
    if (!StartChangeFace())
        NotifySingleCalibrationMeasFinished();
}

bool CalibrationModelC::GetCalibrationMeas(CalibrationValuesS& rValues)
{
    VMN::OrlinSystemControllerC* poOrlinSystemController = VMN::OrlinSystemAccessorC::getOrlinSystemController();
    if (!poOrlinSystemController) {
        KTX_APP_REPORT("poOrlinSystemController");
        return false;
    }
    const int iResult = poOrlinSystemController->getCalibrationMeas(rValues);
    if (iResult == VMN::OrlinSystemControllerC::RC_CALIBRATION_ERROR) {
        trace().write("poOrlinSystemController->getCalibrationMeas() returned error %d\r\n", iResult);
        return false;
    }
    if (BSS::HAL::getPlatformKind() == BSS::HAL::PLATFORM_SIMULATOR) {
        // The desktop has no target recognition to calibrate.
        rValues.AtrHzFace1 = rValues.AtrHzFace2 = rValues.AtrVFace1 = rValues.AtrVFace2 = gon(0.04);
    }
    const double dLimit = s_dMaxCalibrationError;
    if (GetCalibrationType() == 2) {
        if (std::fabs(rValues.TiltAxis) <= dLimit)
            return true;
        trace().write("Tilt axis error: (Tilt: %f > %f)\r\n", rValues.TiltAxis, dLimit);
        m_oError.iCode = CAL_ERR_TILT_AXIS;
        return false;
    }
    if (std::fabs(rValues.LIndex) > dLimit || std::fabs(rValues.QIndex) > dLimit) {
        trace().write("Compensator index error: (Lindex: %f > %f), (QIndex: %f > %f)\r\n", rValues.LIndex, dLimit,
                      rValues.QIndex, dLimit);
        m_oError.iCode = CAL_ERR_COMPENSATOR_INDEX;
        return false;
    }
    if (std::fabs(rValues.VIndex) > dLimit) {
        trace().write("V index error: (VIndex: %f > %f)\r\n", rValues.VIndex, dLimit);
        m_oError.iCode = CAL_ERR_V_INDEX;
        return false;
    }
    if (std::fabs(rValues.HzCollimation) > dLimit) {
        trace().write("Hz collimation error: (HzCollimation: %f > %f)\r\n", rValues.HzCollimation, dLimit);
        m_oError.iCode = CAL_ERR_HZ_COLLIMATION;
        return false;
    }
    if (m_bATRAdjust) {
        const double dAtrHz = (std::fabs(rValues.AtrHzFace1) + std::fabs(rValues.AtrHzFace2)) * 0.5;
        const double dAtrV = (std::fabs(rValues.AtrVFace1) + std::fabs(rValues.AtrVFace2)) * 0.5;
        if (dAtrHz > s_dMaxATRError || dAtrV > s_dMaxATRError) {
            trace().write("ATR error: (ATR Hz: %f > %f), (ATR V: %f > %f)\r\n", dAtrHz, s_dMaxATRError, dAtrV,
                          s_dMaxATRError);
            m_oError.iCode = CAL_ERR_ATR;
            return false;
        }
    }
    return true;
}

void CalibrationModelC::UpdateCalibrationErrors(const CalibrationValuesS& rValues)
{
    KTX_APP_TRACE_SCOPE("UpdateCalibrationErrors");
    if (GetCalibrationType() == 2) {
        AddValue(ACC_TILT_AXIS, rValues.TiltAxis);
    } else {
        AddValue(ACC_L_INDEX, rValues.LIndex);
        AddValue(ACC_Q_INDEX, rValues.QIndex);
        AddValue(ACC_V_INDEX, rValues.VIndex);
        AddValue(ACC_HZ_COLLIMATION, rValues.HzCollimation);
        if (m_bATRAdjust) {
            AddValue(ACC_ATR_HZ, (std::fabs(rValues.AtrHzFace1) + std::fabs(rValues.AtrHzFace2)) * 0.5);
            AddValue(ACC_ATR_HZ_FACE1, rValues.AtrHzFace1);
            AddValue(ACC_ATR_HZ_FACE2, rValues.AtrHzFace2);
            AddValue(ACC_ATR_V, (std::fabs(rValues.AtrVFace1) + std::fabs(rValues.AtrVFace2)) * 0.5);
            AddValue(ACC_ATR_V_FACE1, rValues.AtrVFace1);
            AddValue(ACC_ATR_V_FACE2, rValues.AtrVFace2);
        }
    }
    trace().write("averaged calibration values:\r\n");
    traceValues(GetAveragedCalibrationValues());
}

bool CalibrationModelC::StartChangeFace()
{
    KTX_APP_TRACE_SCOPE("StartChangeFace");
    VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
    if (!pSensor || !pSensor->hasCapability(VMN::OrlinSensorC::CAPABILITY_MOTORISED)) {
        trace().write("Instrument is not motorized\r\n");
        return false;
    }
    VMN::OrlinSystemControllerC* poOrlinSystemController = VMN::OrlinSystemAccessorC::getOrlinSystemController();
    if (!poOrlinSystemController) {
        KTX_APP_REPORT("poOrlinSystemController");
        return false;
    }
    if (poOrlinSystemController->startChangeFace(0) == RC_OK)
        return true;
    trace().write("ERROR: startChangeFace failed\r\n");
    KTX_APP_REPORT("false");
    return false;
}

void CalibrationModelC::onChangeFaceFinished()
{
    KTX_APP_TRACE_SCOPE("onChangeFaceFinished");
    // The next request checks the angles of the face the telescope is in now, not the last ones read.
    onMeasDataUpdate();
    NotifySingleCalibrationMeasFinished();
}

void CalibrationModelC::NotifySingleCalibrationMeasFinished()
{
    KTX_APP_TRACE_SCOPE("NotifySingleCalibrationMeasFinished");
    emit singleCalibrationMeasFinished();
}

void CalibrationModelC::onMeasDataUpdate()
{
    VMN::OrlinSensorC* pSensor = VMN::OrlinSystemAccessorC::getOrlinSensor();
    if (!pSensor)
        return;
    SDR::AngleMeasurementC oRecord;
    const unsigned uStatus = pSensor->readAngleMeasurement(oRecord);
    pSensor->angleMeasurementValid(uStatus);
    if (!HasMeasDataChanged(oRecord))
        return;
    m_oMeasData = oRecord;
    emit measDataChanged();
}

bool CalibrationModelC::HasMeasDataChanged(const SDR::AngleMeasurementC& rRecord) const
{
    const unsigned uBoth = SDR::AngleMeasurementC::FLAG_HZ_VALID | SDR::AngleMeasurementC::FLAG_V_VALID;
    if ((m_oMeasData.getFlags() & uBoth) != uBoth)
        return true;
    return !(std::fabs(m_oMeasData.getHz() - rRecord.getHz()) < 1e-6 &&
             std::fabs(m_oMeasData.getV() - rRecord.getV()) < 1e-6);
}

double CalibrationModelC::GetMeanValue(int iIndex) const
{
    if (iIndex < 0 || iIndex >= kAccumulatorCount) {
        KTX_APP_REPORT("false");
        return 0.0;
    }
    double dMean = m_vecAccumulators[iIndex].mean();
    if (!GEO::reduceAngle(dMean))
        KTX_APP_REPORT("false");
    return dMean;
}

double CalibrationModelC::GetStdDeviation(int iIndex) const
{
    if (iIndex < 0 || iIndex >= kAccumulatorCount) {
        KTX_APP_REPORT("false");
        return 0.0;
    }
    return m_vecAccumulators[iIndex].standardDeviation();
}

void CalibrationModelC::AddValue(int iIndex, double dValue)
{
    if (iIndex < 0 || iIndex >= kAccumulatorCount) {
        KTX_APP_REPORT("false");
        return;
    }
    m_vecAccumulators[iIndex].addValue(dValue);
}

CalibrationErrorS CalibrationModelC::GetError() const
{
    return m_oError;
}

SDR::AngleMeasurementC CalibrationModelC::GetMeasData() const
{
    return m_oMeasData;
}

CalibrationValuesS CalibrationModelC::GetAveragedCalibrationValues() const
{
    CalibrationValuesS oValues;
    oValues.DateTime = m_dDateTime;
    oValues.IntTemp = m_dTemperature;
    oValues.HzCollimation = GetMeanValue(ACC_HZ_COLLIMATION);
    oValues.TiltAxis = GetMeanValue(ACC_TILT_AXIS);
    oValues.VIndex = GetMeanValue(ACC_V_INDEX);
    oValues.LIndex = GetMeanValue(ACC_L_INDEX);
    oValues.QIndex = GetMeanValue(ACC_Q_INDEX);
    if (m_bATRAdjust) {
        oValues.AtrHzFace1 = GetMeanValue(ACC_ATR_HZ_FACE1);
        oValues.AtrVFace1 = GetMeanValue(ACC_ATR_V_FACE1);
        oValues.AtrHzFace2 = GetMeanValue(ACC_ATR_HZ_FACE2);
        oValues.AtrVFace2 = GetMeanValue(ACC_ATR_V_FACE2);
    }
    return oValues;
}

CalibrationValuesS CalibrationModelC::GetCurrentCalibrationValues() const
{
    CalibrationValuesS oValues;
    LoadCurrentCalibrationValues(oValues);
    return oValues;
}

bool CalibrationModelC::LoadCurrentCalibrationValues(CalibrationValuesS& rValues) const
{
    VMN::SensorCalibrationParameterSetC oParameterSet(1);
    if (oParameterSet.load(0) != RC_OK) {
        KTX_APP_REPORT("false");
        return false;
    }
    const SDR::CalibrationParametersC oStored = oParameterSet.getParameters();
    rValues = CalibrationValuesS();
    rValues.DateTime = m_dDateTime;
    rValues.LIndex = oStored.getValue(SDR::CalibrationParametersC::COMPENSATOR_L_INDEX);
    rValues.QIndex = oStored.getValue(SDR::CalibrationParametersC::COMPENSATOR_T_INDEX);
    rValues.VIndex = oStored.getValue(SDR::CalibrationParametersC::V_INDEX);
    rValues.HzCollimation = oStored.getValue(SDR::CalibrationParametersC::HZ_COLLIMATION);
    rValues.TiltAxis = oStored.getValue(SDR::CalibrationParametersC::TILTING_AXIS);
    return true;
}

bool CalibrationModelC::isModified() const
{
    return true;
}

bool CalibrationModelC::store()
{
    VMN::SensorCalibrationParameterSetC oParameterSet(1);
    if (oParameterSet.load(0) != RC_OK) {
        KTX_APP_REPORT("false");
        return false;
    }
    SDR::CalibrationParametersC oParameters = oParameterSet.getParameters();
    auto storeMean = [&](const StoredS& rStored) {
        oParameters.setValue(rStored.iQuantity, GetMeanValue(rStored.iAccumulator));
        SDR::CalibrationStatisticS sStatistic;
        sStatistic.dStdDeviation = GetStdDeviation(rStored.iAccumulator);
        sStatistic.dDateTime = m_dDateTime;
        sStatistic.dTemperature = m_dTemperature;
        oParameters.setStatistic(rStored.iQuantity, sStatistic);
    };
    for (const StoredS& rStored : s_asAlwaysStored)
        storeMean(rStored);
    if (m_bATRAdjust) {
        for (const StoredS& rStored : s_asAtrStored)
            storeMean(rStored);
        for (const StoredS& rStored : s_asAtrFaceStored)
            oParameters.setAtrFaceValue(rStored.iQuantity, GetMeanValue(rStored.iAccumulator));
    }
    oParameters.setCalibrationTemperature(m_dTemperature);
    oParameterSet.setParameters(oParameters);
    if (oParameterSet.save(1) != RC_OK) {
        KTX_APP_REPORT("false");
        return false;
    }
    return true;
}

CalibrationModelC* calibrationModelOf(V40::APP::ApplicationModelBaseC* pModel)
{
    CalibrationModelC* poModel = dynamic_cast<CalibrationModelC*>(pModel);
    if (!poModel)
        KTX_APP_REPORT("poModel");
    return poModel;
}

void CalibrationModelC::DecodeErrorCode(int iErrorCode, QString& rstrModule, int& riNumber, bool& rbFlag)
{
    const CalibrationErrorIdS oId = CalibrationErrorCodeC::decode(iErrorCode);
    rstrModule = oId.strModule;
    riNumber = oId.iNumber;
    rbFlag = oId.bFlag;
}

} // namespace APP
} // namespace KTX
