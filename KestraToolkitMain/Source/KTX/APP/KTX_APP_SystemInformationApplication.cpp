#include "KTX/APP/KTX_APP_SystemInformationApplication.h"

#include "KTX/APP/KTX_APP_SystemInformationApplicationState.h"
#include "KTX/APP/KTX_APP_SystemInformationShowLegalInfoState.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_SystemInformationApplication", __LINE__)

namespace KTX {
namespace APP {

const int SystemInformationApplicationC::s_iExitCodeShowLegalInfo = V40::APP::newExitCode();

SystemInformationApplicationC::SystemInformationApplicationC(int)
{
}

SystemInformationApplicationC::~SystemInformationApplicationC() = default;

int SystemInformationApplicationC::getFirstStateId()
{
    return STATE_SYSTEM_INFORMATION;
}

int SystemInformationApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    if (iStateId != STATE_SYSTEM_INFORMATION && iStateId != STATE_SHOW_LEGAL_INFO) {
        KTX_APP_REPORT("Unknown state.");
        return V40::APP::STATE_NO_SUCCESSOR;
    }
    if (iExitCode == s_iExitCodeShowLegalInfo)
        return iStateId == STATE_SYSTEM_INFORMATION ? int(STATE_SHOW_LEGAL_INFO) : int(V40::APP::STATE_NO_SUCCESSOR);
    if (iExitCode == s_iExitCodeSuccess || iExitCode == s_iExitCodeFail)
        return V40::APP::STATE_END;
    return V40::APP::STATE_NO_SUCCESSOR;
}

V40::APP::ApplicationStateBaseC* SystemInformationApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_SYSTEM_INFORMATION:
        return new SystemInformationApplicationStateC();
    case STATE_SHOW_LEGAL_INFO:
        return new SystemInformationShowLegalInfoStateC();
    default:
        return V40::APP::AbstractApplicationC::createState(iStateId);
    }
}

} // namespace APP
} // namespace KTX
