#include "KTX/APP/KTX_APP_DateTimeSettingsApplication.h"

#include "KTX/APP/KTX_APP_CheckModifiedState.h"
#include "KTX/APP/KTX_APP_DateTimeSettingsState.h"
#include "KTX/APP/KTX_APP_StoreDataState.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_DateTimeSettingsApplication", __LINE__)

namespace KTX {
namespace APP {

DateTimeSettingsApplicationC::DateTimeSettingsApplicationC() = default;

DateTimeSettingsApplicationC::~DateTimeSettingsApplicationC() = default;

int DateTimeSettingsApplicationC::getFirstStateId()
{
    return STATE_DATE_TIME_SETTINGS;
}

int DateTimeSettingsApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    if (iExitCode == s_iExitCodeSuccess) {
        switch (iStateId) {
        case STATE_DATE_TIME_SETTINGS:
            return STATE_STORE_DATA;
        case STATE_CHECK_MODIFIED:
        case STATE_STORE_DATA:
            return V40::APP::STATE_END;
        default:
            break;
        }
    } else if (iExitCode == s_iExitCodeFail) {
        switch (iStateId) {
        case STATE_DATE_TIME_SETTINGS:
            return STATE_CHECK_MODIFIED;
        case STATE_CHECK_MODIFIED:
        case STATE_STORE_DATA:
            return STATE_DATE_TIME_SETTINGS;
        default:
            break;
        }
    } else {
        return V40::APP::STATE_END;
    }
    KTX_APP_REPORT("Unknown state.");
    return V40::APP::STATE_NO_SUCCESSOR;
}

V40::APP::ApplicationStateBaseC* DateTimeSettingsApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_DATE_TIME_SETTINGS:
        return new DateTimeSettingsStateC();
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
