#pragma once
// Settings > Unit: the display units of angle, distance, temperature and pressure.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class UnitSettingsApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_UNIT_SETTINGS = 0,
        STATE_CHECK_MODIFIED = 1,
        STATE_STORE_DATA = 2,
        STATE_SET_TO_DEFAULT = 3
    };

    // The panel asks for the factory units with it.
    static const int s_iExitCodeSetToDefault;

    UnitSettingsApplicationC();
    ~UnitSettingsApplicationC() override;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
};

} // namespace APP
} // namespace KTX
