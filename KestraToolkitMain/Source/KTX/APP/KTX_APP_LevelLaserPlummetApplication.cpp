#include "KTX/APP/KTX_APP_LevelLaserPlummetApplication.h"

#include "KTX/APP/KTX_APP_LevelLaserPlummetApplicationState.h"

namespace KTX {
namespace APP {

LevelLaserPlummetApplicationC::LevelLaserPlummetApplicationC() = default;

LevelLaserPlummetApplicationC::~LevelLaserPlummetApplicationC() = default;

int LevelLaserPlummetApplicationC::getFirstStateId()
{
    return STATE_LEVEL;
}

int LevelLaserPlummetApplicationC::getNextStateId(int, int)
{
    return V40::APP::STATE_END;
}

V40::APP::ApplicationStateBaseC* LevelLaserPlummetApplicationC::createState(int iStateId)
{
    if (iStateId == STATE_LEVEL)
        return new LevelLaserPlummetApplicationStateC();
    return V40::APP::AbstractApplicationC::createState(iStateId);
}

} // namespace APP
} // namespace KTX
