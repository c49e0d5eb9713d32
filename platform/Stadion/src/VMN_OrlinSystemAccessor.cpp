#include "Stadion/VMN_OrlinSystemAccessor.h"

#include "Stadion/VMN_OrlinSensor.h"
#include "Stadion/VMN_OrlinStatusController.h"
#include "Stadion/VMN_OrlinSystemController.h"

namespace VMN {

OrlinSensorC* OrlinSystemAccessorC::getOrlinSensor()
{
    static OrlinSensorC s_oSensor;
    return &s_oSensor;
}

OrlinSystemControllerC* OrlinSystemAccessorC::getOrlinSystemController()
{
    static OrlinSystemControllerC s_oController;
    return &s_oController;
}

OrlinStatusControllerC* OrlinSystemAccessorC::getOrlinStatusController()
{
    static OrlinStatusControllerC s_oController;
    return &s_oController;
}

} // namespace VMN
