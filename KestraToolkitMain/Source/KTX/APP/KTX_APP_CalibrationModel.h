#pragma once
// The calibration's model: drives the instrument's calibration measurement in both faces, checks
// every face pair against the acceptance limits, collects the accepted values and stores their
// means in the instrument's sensor calibration parameters.
//
// Eight accepted measurements make a calibration: two pairs (face I, face II) at a target near
// the horizon (step 1: compensator indices, vertical index, collimation, ATR), then two at a steep
// target (step 2: tilting axis).
#include "KTX/KTX_Observer.h"

#include "V40_APP_ApplicationModelBase.h"

#include "Gaugelib/SDR_AngleMeasurement.h"
#include "Gaugelib/SDR_CalibrationValues.h"
#include "Trigonel/GEO_Angle.h"
#include "Trigonel/GEO_Statistics.h"

#include <QList>
#include <QObject>
#include <QString>

#include <vector>

namespace BSS {
namespace TSK {
class SubjectC;
}
} // namespace BSS

namespace KTX {
namespace APP {

using CalibrationValuesS = SDR::CalibrationValuesS;

enum CalibrationErrorE
{
    CAL_ERR_NONE = 0,
    CAL_ERR_COMPENSATOR_INDEX = 1,
    CAL_ERR_TILT_AXIS = 2,
    CAL_ERR_V_INDEX = 3,
    CAL_ERR_HZ_COLLIMATION = 4,
    CAL_ERR_ATR = 5,
    CAL_ERR_V_RANGE = 6,
    CAL_ERR_OUT_OF_LEVEL = 7,
    CAL_ERR_COMPENSATOR = 8,
    CAL_ERR_ATR_ACCURACY = 9,
    CAL_ERR_PRISM_NOT_DETECTED = 10,
    CAL_ERR_NO_PRISM = 11,
    CAL_ERR_UNKNOWN = 12
};

struct CalibrationErrorS
{
    int iCode = CAL_ERR_NONE;
    // Of an unknown error: the module and the number the operator reports.
    QString strModule;
    int iNumber = 0x7fffffff;
    bool bFlag = false;
};

class CalibrationModelC : public QObject, public V40::APP::ApplicationModelBaseC
{
    Q_OBJECT

public:
    static constexpr int iMAX_NO_OF_MEAS = 8;
    // Limits in radians: 0.1 gon for the indices, the collimation and the tilting axis, 0.05 gon
    // for the ATR collimations.
    static const double s_dMaxCalibrationError;
    static const double s_dMaxATRError;

    explicit CalibrationModelC(bool bATRAdjust);
    ~CalibrationModelC() override;

    void Init();
    void ResetMeasurements();
    bool IsCalibrationFinished() const;
    bool IsATRAdjust() const;

    // False when the next measurement cannot be taken now; the error is set and
    // singleCalibrationMeasFinished() has been emitted already.
    bool StartSingleCalibrationMeas();
    // Starts the measurement a second later.
    void TriggerSingleCalibrationMeas();

    unsigned short GetNoOfValidMeas() const;
    // 1 for step 1, 2 for step 2.
    int GetCalibrationType() const;
    bool IsFaceOneMeas() const;
    bool IsFaceTwoMeas() const;
    // The zenith angles allowed for the next measurement.
    QList<GEO::AngleIntervalC> GetValidVAngleRanges() const;
    bool IsInstrumentLevel() const;

    CalibrationErrorS GetError() const;
    SDR::AngleMeasurementC GetMeasData() const;
    CalibrationValuesS GetAveragedCalibrationValues() const;
    // The values stored in the instrument; all zero when they cannot be read.
    CalibrationValuesS GetCurrentCalibrationValues() const;
    // The values stored in the instrument into rValues; false (reported) when the parameter set
    // cannot be loaded, rValues then untouched.
    bool LoadCurrentCalibrationValues(CalibrationValuesS& rValues) const;

    // Always: a calibration is always worth asking about.
    bool isModified() const override;
    bool store() override;

    static void DecodeErrorCode(int iErrorCode, QString& rstrModule, int& riNumber, bool& rbFlag);

signals:
    void measDataChanged();
    void singleCalibrationMeasFinished();

public slots:
    void OnSingleCalibrationMeasStarted();
    void OnSingleCalibrationMeasFinished(int ulErrorSensorType, int ulErrorCode);
    void onMeasDataUpdate();
    void onChangeFaceFinished();

private:
    bool IsVAngleInRange() const;
    bool GetCalibrationMeas(CalibrationValuesS& rValues);
    void UpdateCalibrationErrors(const CalibrationValuesS& rValues);
    bool StartChangeFace();
    void NotifySingleCalibrationMeasFinished();
    bool HasMeasDataChanged(const SDR::AngleMeasurementC& rRecord) const;
    double GetMeanValue(int iIndex) const;
    double GetStdDeviation(int iIndex) const;
    void AddValue(int iIndex, double dValue);
    void detach();

    bool m_bATRAdjust;
    double m_dTemperature;
    double m_dDateTime;
    std::vector<GEO::StatisticsAccumulatorC> m_vecAccumulators;
    unsigned short m_unNoOfValidMeas;
    ObserverC m_oCalibrationObserver;
    ObserverC m_oMeasDataObserver;
    ObserverC m_oChangeFaceObserver;
    SDR::AngleMeasurementC m_oMeasData;
    CalibrationErrorS m_oError;
    // What the observers are attached to, to leave them again.
    BSS::TSK::SubjectC* m_pMeasSubject;
    BSS::TSK::SubjectC* m_pCalibrationSubject;
    BSS::TSK::SubjectC* m_pChangeFaceSubject;
    bool m_bSensorMeasuring;
};

// The application's model as the calibration states use it; null, reported as "poModel", when
// there is none or it is another application's.
CalibrationModelC* calibrationModelOf(V40::APP::ApplicationModelBaseC* pModel);

} // namespace APP
} // namespace KTX
