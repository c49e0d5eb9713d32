#pragma once
// What kind of platform this is, and its named switches.

namespace BSS {
namespace HAL {

enum PlatformKindE { PLATFORM_SIMULATOR = 0, PLATFORM_INSTRUMENT = 1 };

int getPlatformKind();
bool isSwitchOn(const char* strSwitchName);

} // namespace HAL
} // namespace BSS

namespace BSS {
namespace HAL {

// File name of the Qt platform plug-in that this platform's GUI uses.
const char* getQtPlatformPluginFileName();

} // namespace HAL
} // namespace BSS
