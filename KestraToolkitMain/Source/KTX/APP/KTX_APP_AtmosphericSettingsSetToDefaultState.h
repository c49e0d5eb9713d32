#pragma once
// Puts the factory atmosphere on the atmospheric settings screen; nothing is stored until the
// user accepts it.
#include "KTX/APP/KTX_APP_SetToDefaultState.h"

namespace KTX {
namespace APP {

class AtmosphericSettingsSetToDefaultStateC : public SetToDefaultStateC
{
    Q_OBJECT

public:
    using SetToDefaultStateC::SetToDefaultStateC;
};

} // namespace APP
} // namespace KTX
