#pragma once
// Level: the electronic bubble and the laser plummet, one screen; any way out ends it.
#include "V40_APP_AbstractApplication.h"

namespace KTX {
namespace APP {

class LevelLaserPlummetApplicationC : public V40::APP::AbstractApplicationC
{
public:
    enum StateIdE
    {
        STATE_LEVEL = 0
    };

    LevelLaserPlummetApplicationC();
    ~LevelLaserPlummetApplicationC() override;

    int getFirstStateId() override;
    int getNextStateId(int iStateId, int iExitCode) override;
    V40::APP::ApplicationStateBaseC* createState(int iStateId) override;
};

} // namespace APP
} // namespace KTX
