#pragma once
// Settings > Atmos.: the air that measured distances are corrected for, and the refraction
// coefficient, in the instrument's correction data.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class AtmosphericSettingsApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_ATMOSPHERIC_SETTINGS = 0,
        STATE_SET_TO_DEFAULT = 1,
        STATE_CHECK_MODIFIED = 2,
        STATE_STORE_DATA = 3
    };

    // The panel asks for the factory values with it.
    static const int s_iExitCodeSetToDefault;

    AtmosphericSettingsApplicationC();
    ~AtmosphericSettingsApplicationC() override;

    int getFirstStateId() override;
    // A failed store ends the application: the store state has said so, and the instrument keeps
    // what it had.
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
};

} // namespace APP
} // namespace KTX
