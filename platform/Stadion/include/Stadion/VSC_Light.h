#pragma once
// The instrument's lights, as the system controller switches them.
namespace VSC {

enum LightE
{
    LIGHT_LASER_PLUMMET = 4
};

enum LightModeE
{
    LIGHT_MODE_OFF = 0,
    LIGHT_MODE_ON = 1
};

} // namespace VSC
