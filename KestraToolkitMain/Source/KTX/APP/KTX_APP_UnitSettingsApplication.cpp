#include "KTX/APP/KTX_APP_UnitSettingsApplication.h"

#include "KTX/APP/KTX_APP_CheckModifiedState.h"
#include "KTX/APP/KTX_APP_StoreDataState.h"
#include "KTX/APP/KTX_APP_UnitSettingsSetConfigurationToDefaultState.h"
#include "KTX/APP/KTX_APP_UnitSettingsState.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_UnitSettingsApplication", __LINE__)

namespace KTX {
namespace APP {

const int UnitSettingsApplicationC::s_iExitCodeSetToDefault = V40::APP::newExitCode();

UnitSettingsApplicationC::UnitSettingsApplicationC() = default;

UnitSettingsApplicationC::~UnitSettingsApplicationC() = default;

int UnitSettingsApplicationC::getFirstStateId()
{
    return STATE_UNIT_SETTINGS;
}

int UnitSettingsApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    if (iExitCode == s_iExitCodeSuccess) {
        switch (iStateId) {
        case STATE_UNIT_SETTINGS:
            return STATE_STORE_DATA;
        case STATE_CHECK_MODIFIED:
        case STATE_STORE_DATA:
            return V40::APP::STATE_END;
        case STATE_SET_TO_DEFAULT:
            return STATE_UNIT_SETTINGS;
        default:
            break;
        }
    } else if (iExitCode == s_iExitCodeFail) {
        switch (iStateId) {
        case STATE_UNIT_SETTINGS:
            return STATE_CHECK_MODIFIED;
        case STATE_CHECK_MODIFIED:
        case STATE_STORE_DATA:
        case STATE_SET_TO_DEFAULT:
            return STATE_UNIT_SETTINGS;
        default:
            break;
        }
    } else if (iExitCode == s_iExitCodeSetToDefault) {
        switch (iStateId) {
        case STATE_UNIT_SETTINGS:
            return STATE_SET_TO_DEFAULT;
        case STATE_CHECK_MODIFIED:
        case STATE_STORE_DATA:
        case STATE_SET_TO_DEFAULT:
            return V40::APP::STATE_NO_SUCCESSOR;
        default:
            break;
        }
    } else {
        return V40::APP::STATE_END;
    }
    KTX_APP_REPORT("Unknown state.");
    return V40::APP::STATE_NO_SUCCESSOR;
}

V40::APP::ApplicationStateBaseC* UnitSettingsApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_UNIT_SETTINGS:
        return new UnitSettingsStateC();
    case STATE_CHECK_MODIFIED:
        return new CheckModifiedStateC(0);
    case STATE_STORE_DATA:
        return new StoreDataStateC();
    case STATE_SET_TO_DEFAULT:
        return new UnitSettingsSetConfigurationToDefaultStateC();
    default:
        return V40::APP::AbstractApplicationC::createState(iStateId);
    }
}

} // namespace APP
} // namespace KTX
