#pragma once
// The power service: the battery's state, and the capacity that operations which must not be
// interrupted need.

namespace CMN {

enum PowerResultE { RC_POWER_OK = 0, RC_POWER_NO_STATUS = 1 };

// Results of operations refused for the battery: a format, and a firmware update, which needs
// more.
enum BatteryRefusalE { RC_BATTERY_LOW = 0x2000010, RC_BATTERY_TOO_LOW_FOR_UPDATE = 0x2000012 };

// Below this capacity a firmware update or a format is refused.
constexpr int MIN_CAPACITY_FOR_UPDATE = 20;

// The capacity of the internal battery in percent; RC_POWER_NO_STATUS when the battery's state
// cannot be read (the simulator setting Settings/Battery/BatteryInternal1/State is 0).
int getBatteryStatus(int& riCapacityPercent);

// True unless the battery is known to be below iMinimumPercent: an unreadable state refuses
// nothing, as an instrument on external power cannot read its battery.
bool hasCapacityFor(int iMinimumPercent);

} // namespace CMN
