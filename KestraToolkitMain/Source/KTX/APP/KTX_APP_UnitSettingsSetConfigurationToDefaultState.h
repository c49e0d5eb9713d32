#pragma once
// Puts the factory units on the unit settings screen; nothing is stored until the user accepts.
#include "KTX/APP/KTX_APP_SetToDefaultState.h"

namespace KTX {
namespace APP {

class UnitSettingsSetConfigurationToDefaultStateC : public SetToDefaultStateC
{
    Q_OBJECT

public:
    using SetToDefaultStateC::SetToDefaultStateC;
};

} // namespace APP
} // namespace KTX
