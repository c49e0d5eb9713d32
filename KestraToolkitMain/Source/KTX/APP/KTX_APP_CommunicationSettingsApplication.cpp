#include "KTX/APP/KTX_APP_CommunicationSettingsApplication.h"

#include "KTX/APP/KTX_APP_CheckModifiedState.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsCheckRebootState.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsConfigurationState.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsModel.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsPortSelectionState.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsSetConfigurationToDefaultState.h"
#include "KTX/APP/KTX_APP_StoreDataState.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CommunicationSettingsApplication", __LINE__)

namespace KTX {
namespace APP {

const int CommunicationSettingsApplicationC::s_iExitCodeConfigure = V40::APP::newExitCode();
const int CommunicationSettingsApplicationC::s_iExitCodeSetToDefault = V40::APP::newExitCode();

namespace {

struct TransitionS
{
    int iSuccess;
    int iFail;
    int iConfigure;
    int iSetToDefault;
};

using App = CommunicationSettingsApplicationC;
const int END = V40::APP::STATE_END;
const int NONE = V40::APP::STATE_NO_SUCCESSOR;

// One row per state, in state order.
const TransitionS s_aTransitions[] = {
    {App::STATE_STORE_PORT, App::STATE_CHECK_REBOOT, App::STATE_CONFIGURATION, NONE},
    {App::STATE_CHECK_REBOOT, END, NONE, NONE},
    {App::STATE_STORE_CONFIGURATION, App::STATE_CHECK_MODIFIED, NONE, App::STATE_SET_TO_DEFAULT},
    {App::STATE_PORT_SELECTION, App::STATE_PORT_SELECTION, NONE, NONE},
    {App::STATE_PORT_SELECTION, App::STATE_CONFIGURATION, NONE, NONE},
    {App::STATE_CONFIGURATION, App::STATE_CONFIGURATION, NONE, NONE},
    {END, END, NONE, NONE},
};

} // namespace

CommunicationSettingsApplicationC::CommunicationSettingsApplicationC() = default;

CommunicationSettingsApplicationC::~CommunicationSettingsApplicationC() = default;

int CommunicationSettingsApplicationC::getFirstStateId()
{
    return STATE_PORT_SELECTION;
}

int CommunicationSettingsApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    if (iExitCode != s_iExitCodeSuccess && iExitCode != s_iExitCodeFail && iExitCode != s_iExitCodeConfigure
        && iExitCode != s_iExitCodeSetToDefault)
        return NONE;
    if (iStateId < STATE_PORT_SELECTION || iStateId > STATE_CHECK_REBOOT) {
        KTX_APP_REPORT("Unknown state.");
        return NONE;
    }
    const TransitionS& rRow = s_aTransitions[iStateId];
    if (iExitCode == s_iExitCodeSuccess)
        return rRow.iSuccess;
    if (iExitCode == s_iExitCodeFail)
        return rRow.iFail;
    if (iExitCode == s_iExitCodeConfigure)
        return rRow.iConfigure;
    return rRow.iSetToDefault;
}

V40::APP::ApplicationStateBaseC* CommunicationSettingsApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_PORT_SELECTION:
        return new CommunicationSettingsPortSelectionStateC();
    case STATE_STORE_PORT:
    case STATE_STORE_CONFIGURATION:
        return new StoreDataStateC();
    case STATE_CONFIGURATION:
        return new CommunicationSettingsConfigurationStateC();
    case STATE_CHECK_MODIFIED:
        return new CheckModifiedStateC(0);
    case STATE_SET_TO_DEFAULT:
        return new CommunicationSettingsSetConfigurationToDefaultStateC();
    case STATE_CHECK_REBOOT:
        return new CommunicationSettingsCheckRebootStateC();
    default:
        return V40::APP::AbstractApplicationC::createState(iStateId);
    }
}

void CommunicationSettingsApplicationC::createModel()
{
    setModel(new CommunicationSettingsModelC());
}

} // namespace APP
} // namespace KTX
