#pragma once
// The instrument's system controller: its lights, the face change and the calibration
// measurement. Face changes and measurements run on a thread of the controller and announce
// their end through the subjects below.
#include "Stadion/VSC_Light.h"

#include <memory>

namespace BSS {
namespace TSK {
class SubjectC;
}
} // namespace BSS

namespace SDR {
struct CalibrationValuesS;
}

namespace VMN {

class OrlinSystemControllerC
{
public:
    static constexpr int RC_OK = 0;
    static constexpr int RC_NO_SUCH_LIGHT = 1;
    static constexpr int RC_LIGHT_FAILED = 2;
    static constexpr int RC_BUSY = 3;
    static constexpr int RC_NOT_MOTORISED = 4;
    // No complete face pair since the calibration started.
    static constexpr int RC_CALIBRATION_ERROR = 0x2000002;

    // Sensor types of a failed calibration measurement.
    static constexpr int SENSOR_COMPENSATOR = 1;
    static constexpr int SENSOR_ANGLE = 2;
    static constexpr int SENSOR_DISTANCE = 3;

    OrlinSystemControllerC();
    ~OrlinSystemControllerC();
    OrlinSystemControllerC(const OrlinSystemControllerC&) = delete;
    OrlinSystemControllerC& operator=(const OrlinSystemControllerC&) = delete;

    // 0 on success; RC_NO_SUCH_LIGHT for a light the instrument does not have.
    int setLightMode(VSC::LightE eLight, VSC::LightModeE eLightMode);

    // Turns the telescope to the other face; the face change subject notifies when it is there.
    int startChangeFace(int iMode);
    // Begins a face pair: the next measurement in face I and one in face II make it complete.
    int startNewCalibration(bool bWithATR);
    // Measures in the telescope's face; the calibration subject notifies (sensor type, error code),
    // (0, 0) on success.
    int doCalibrationMeas();
    // The values of the face pair measured last; RC_CALIBRATION_ERROR when it is not complete.
    int getCalibrationMeas(SDR::CalibrationValuesS& rValues);

    BSS::TSK::SubjectC* getCalibrationFinishedSubject();
    BSS::TSK::SubjectC* getChangeFaceFinishedSubject();

private:
    struct PrivateS;
    std::unique_ptr<PrivateS> m_upPrivate;
};

} // namespace VMN
