#pragma once
// The instrument's system controller: here its lights.
#include "Stadion/VSC_Light.h"

namespace VMN {

class OrlinSystemControllerC
{
public:
    static constexpr int RC_OK = 0;
    static constexpr int RC_NO_SUCH_LIGHT = 1;
    static constexpr int RC_LIGHT_FAILED = 2;

    // 0 on success; RC_NO_SUCH_LIGHT for a light the instrument does not have.
    int setLightMode(VSC::LightE eLight, VSC::LightModeE eLightMode);
};

} // namespace VMN
