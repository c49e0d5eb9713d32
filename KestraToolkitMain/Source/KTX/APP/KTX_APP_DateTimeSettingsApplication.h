#pragma once
// Settings > Date/Time: the instrument's clock and the date format shown everywhere.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class DateTimeSettingsApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_DATE_TIME_SETTINGS = 0,
        STATE_CHECK_MODIFIED = 1,
        STATE_STORE_DATA = 2
    };

    DateTimeSettingsApplicationC();
    ~DateTimeSettingsApplicationC() override;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
};

} // namespace APP
} // namespace KTX
