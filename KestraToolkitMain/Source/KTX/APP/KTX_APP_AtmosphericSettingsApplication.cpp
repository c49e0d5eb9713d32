#include "KTX/APP/KTX_APP_AtmosphericSettingsApplication.h"

#include "KTX/APP/KTX_APP_AtmosphericSettingsSetToDefaultState.h"
#include "KTX/APP/KTX_APP_AtmosphericSettingsState.h"
#include "KTX/APP/KTX_APP_CheckModifiedState.h"
#include "KTX/APP/KTX_APP_StoreDataState.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_AtmosphericSettingsApplication", __LINE__)

namespace KTX {
namespace APP {

const int AtmosphericSettingsApplicationC::s_iExitCodeSetToDefault = V40::APP::newExitCode();

AtmosphericSettingsApplicationC::AtmosphericSettingsApplicationC() = default;

AtmosphericSettingsApplicationC::~AtmosphericSettingsApplicationC() = default;

int AtmosphericSettingsApplicationC::getFirstStateId()
{
    return STATE_ATMOSPHERIC_SETTINGS;
}

int AtmosphericSettingsApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    if (iExitCode == s_iExitCodeSuccess) {
        switch (iStateId) {
        case STATE_ATMOSPHERIC_SETTINGS:
            return STATE_STORE_DATA;
        case STATE_SET_TO_DEFAULT:
            return STATE_ATMOSPHERIC_SETTINGS;
        case STATE_CHECK_MODIFIED:
        case STATE_STORE_DATA:
            return V40::APP::STATE_END;
        default:
            break;
        }
    } else if (iExitCode == s_iExitCodeFail) {
        switch (iStateId) {
        case STATE_ATMOSPHERIC_SETTINGS:
            return STATE_CHECK_MODIFIED;
        case STATE_SET_TO_DEFAULT:
        case STATE_CHECK_MODIFIED:
            return STATE_ATMOSPHERIC_SETTINGS;
        case STATE_STORE_DATA:
            return V40::APP::STATE_END;
        default:
            break;
        }
    } else if (iExitCode == s_iExitCodeSetToDefault) {
        switch (iStateId) {
        case STATE_ATMOSPHERIC_SETTINGS:
            return STATE_SET_TO_DEFAULT;
        case STATE_SET_TO_DEFAULT:
        case STATE_CHECK_MODIFIED:
        case STATE_STORE_DATA:
            return V40::APP::STATE_NO_SUCCESSOR;
        default:
            break;
        }
    } else {
        return V40::APP::STATE_NO_SUCCESSOR;
    }
    KTX_APP_REPORT("Unknown state.");
    return V40::APP::STATE_NO_SUCCESSOR;
}

V40::APP::ApplicationStateBaseC* AtmosphericSettingsApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_ATMOSPHERIC_SETTINGS:
        return new AtmosphericSettingsStateC();
    case STATE_SET_TO_DEFAULT:
        return new AtmosphericSettingsSetToDefaultStateC();
    case STATE_CHECK_MODIFIED:
        return new CheckModifiedStateC(0);
    case STATE_STORE_DATA:
        return new StoreDataStateC();
    default:
        return V40::APP::AbstractApplicationC::createState(iStateId);
    }
}

} // namespace APP
} // namespace KTX
