#pragma once
// The defaults of the device being configured (its panel's settings model is registered
// under 0): see SetSettingsToDefaultStateC.
#include "KTX/APP/KTX_APP_SetSettingsToDefaultState.h"

namespace KTX {
namespace APP {

class CommunicationSettingsSetConfigurationToDefaultStateC : public SetSettingsToDefaultStateC
{
    Q_OBJECT

public:
    using SetSettingsToDefaultStateC::SetSettingsToDefaultStateC;
};

} // namespace APP
} // namespace KTX
