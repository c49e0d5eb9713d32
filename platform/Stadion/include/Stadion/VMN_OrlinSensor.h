#pragma once
// The instrument's tilt sensor (compensator): longitudinal (L) and transversal (T) inclination
// in radians, measured while a measurement runs. New data is announced by the hardware
// controller's notifications and by the measurement data subject.
#include <memory>

namespace SDR {
class AngleMeasurementC;
}

namespace BSS {
namespace TSK {
class SubjectC;
}
} // namespace BSS

namespace VMN {

class OrlinSensorC
{
public:
    // Status words of an inclination reading.
    static constexpr unsigned INCLINATION_OK = 0x0;
    static constexpr unsigned INCLINATION_OUT_OF_RANGE = 0x1;
    static constexpr unsigned INCLINATION_NOT_MEASURING = 0x2;

    // Status words of an angle reading.
    static constexpr unsigned ANGLES_OK = 0x0;
    static constexpr unsigned ANGLES_NOT_MEASURING = 0x2;

    // Kinds of measurement data: the inclinations come with the angles.
    static constexpr int DATA_INCLINATIONS = 1;

    // Capabilities.
    static constexpr unsigned CAPABILITY_MOTORISED = 8;
    static constexpr unsigned CAPABILITY_ATR = 16;

    OrlinSensorC();
    ~OrlinSensorC();
    OrlinSensorC(const OrlinSensorC&) = delete;
    OrlinSensorC& operator=(const OrlinSensorC&) = delete;

    // Puts the sensor back into its normal operation.
    bool activate();
    // Counted, as several users may measure at once.
    void startMeasurement();
    void stopMeasurement();
    // The subject that announces new data of the kind; null for a kind the sensor has none of.
    BSS::TSK::SubjectC* subscribeMeasurementData(int iKind);

    // Beyond the compensator's range the values are read but marked out of range; without a
    // measurement nothing is read and both values stay as they are.
    unsigned readInclinations(double& rdLInclination, double& rdTInclination);
    bool inclinationsValid(unsigned uStatus) const;

    // The latest angles of the telescope; without a measurement the record is marked invalid.
    unsigned readAngleMeasurement(SDR::AngleMeasurementC& rRecord);
    bool angleMeasurementValid(unsigned uStatus) const;

    // True when the instrument has every capability of the mask.
    bool hasCapability(unsigned uMask) const;

private:
    struct PrivateS;
    std::unique_ptr<PrivateS> m_upPrivate;
};

} // namespace VMN
