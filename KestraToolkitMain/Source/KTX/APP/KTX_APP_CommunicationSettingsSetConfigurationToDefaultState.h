#pragma once
// Puts the defaults on the screen of the device being configured (its panel's settings model is
// registered under 0); nothing is stored until the user accepts them.
#include "KTX/APP/KTX_APP_SetToDefaultState.h"

namespace KTX {
namespace APP {

class CommunicationSettingsSetConfigurationToDefaultStateC : public SetToDefaultStateC
{
    Q_OBJECT

public:
    using SetToDefaultStateC::SetToDefaultStateC;
};

} // namespace APP
} // namespace KTX
