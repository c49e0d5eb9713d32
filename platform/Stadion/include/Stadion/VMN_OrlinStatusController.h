#pragma once
// The instrument's status controller: what the instrument has.
#include "Stadion/VMN_InstrumentInfo.h"

namespace VMN {

class OrlinStatusControllerC
{
public:
    static constexpr int RC_OK = 0;

    // Level states of the compensator; 1 and 3 mean levelled.
    enum LevelStateE
    {
        LEVEL_OFF = 0,
        LEVEL_OK = 1,
        LEVEL_OUT_OF_RANGE = 2,
        LEVEL_OK_SETTLING = 3,
        LEVEL_MOVING = 4,
        LEVEL_FAILED = 5
    };

    // 0 on success, with the information filled in.
    int getInstrumentInfo(InstrumentInfoC& rInstrumentInfo);
    int getLevelState();
    // 0 on success, with the temperature in degrees Celsius.
    int getInternalTemperature(double& rdTemperature);
};

} // namespace VMN
