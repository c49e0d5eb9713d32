#pragma once
// The instrument facade: its sensor and controllers, one each for the whole process. Null while
// the instrument is not there; the simulated instrument always is.
namespace VMN {

class OrlinSensorC;
class OrlinStatusControllerC;
class OrlinSystemControllerC;

class OrlinSystemAccessorC
{
public:
    static OrlinSensorC* getOrlinSensor();
    static OrlinSystemControllerC* getOrlinSystemController();
    static OrlinStatusControllerC* getOrlinStatusController();
};

} // namespace VMN
