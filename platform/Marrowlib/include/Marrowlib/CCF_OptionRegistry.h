#pragma once
// The instrument's option registry: which optional features are installed.

namespace CCF {

enum OptionE {
    OPTION_EXTENDED_ROBOTIC = 1,
    OPTION_VIRTUAL_ROBOTIC = 2,
    OPTION_TREVO360 = 3,
    OPTION_VANTIS360 = 4,
    OPTION_PRODUCTION = 5,
    OPTION_OVERVIEW_CAMERA = 6,
    OPTION_IMAGING = 7,
    OPTION_VIDEO = 8
};

class OptionRegistryC
{
public:
    // False for options the registry does not know. On the simulator the settings Options/...
    static bool isInstalled(int iOption);
};

} // namespace CCF
