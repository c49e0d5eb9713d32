#pragma once
// The unit settings screen's factory units: see SetSettingsToDefaultStateC.
#include "KTX/APP/KTX_APP_SetSettingsToDefaultState.h"

namespace KTX {
namespace APP {

class UnitSettingsSetConfigurationToDefaultStateC : public SetSettingsToDefaultStateC
{
    Q_OBJECT

public:
    using SetSettingsToDefaultStateC::SetSettingsToDefaultStateC;
};

} // namespace APP
} // namespace KTX
