#include "KTX/APP/KTX_APP_CalibrationApplication.h"

#include "KTX/APP/KTX_APP_CalibrationLevelState.h"
#include "KTX/APP/KTX_APP_CalibrationModel.h"
#include "KTX/APP/KTX_APP_CalibrationOutOfLevelState.h"
#include "KTX/APP/KTX_APP_CalibrationResultsState.h"
#include "KTX/APP/KTX_APP_CalibrationShowErrorState.h"
#include "KTX/APP/KTX_APP_CalibrationStepXState.h"
#include "KTX/APP/KTX_APP_CalibrationViewDataState.h"
#include "KTX/APP/KTX_APP_CheckModifiedState.h"
#include "KTX/APP/KTX_APP_StoreDataState.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CalibrationApplication", __LINE__)

namespace KTX {
namespace APP {

// Allocated in this order.
const int CalibrationApplicationC::s_iExitCodeOutOfLevel = V40::APP::newExitCode();
const int CalibrationApplicationC::s_iExitCodeNextMeas = V40::APP::newExitCode();
const int CalibrationApplicationC::s_iExitCodeShowError = V40::APP::newExitCode();

namespace {

struct SuccessorsS
{
    int iSuccess;
    int iFail;
};

// By state: the successor on success and on fail.
const SuccessorsS s_asSuccessors[] = {
    {CalibrationApplicationC::STATE_STEP, CalibrationApplicationC::STATE_EXIT_LEVEL},
    {V40::APP::STATE_END, CalibrationApplicationC::STATE_LEVEL},
    {CalibrationApplicationC::STATE_RESULTS, CalibrationApplicationC::STATE_EXIT_STEP},
    {V40::APP::STATE_END, CalibrationApplicationC::STATE_STEP},
    {CalibrationApplicationC::STATE_LEVEL, CalibrationApplicationC::STATE_EXIT_OUT_OF_LEVEL},
    {V40::APP::STATE_END, CalibrationApplicationC::STATE_OUT_OF_LEVEL},
    {CalibrationApplicationC::STATE_STORE, CalibrationApplicationC::STATE_EXIT_RESULTS},
    {V40::APP::STATE_END, CalibrationApplicationC::STATE_RESULTS},
    {V40::APP::STATE_END, V40::APP::STATE_END},
    {V40::APP::STATE_END, V40::APP::STATE_END},
    {CalibrationApplicationC::STATE_STEP, CalibrationApplicationC::STATE_STEP},
};

constexpr int kStateCount = int(sizeof(s_asSuccessors) / sizeof(s_asSuccessors[0]));

} // namespace

CalibrationApplicationC::CalibrationApplicationC(int iEntryPoint)
    : m_iEntryPoint(iEntryPoint)
{
}

CalibrationApplicationC::~CalibrationApplicationC() = default;

int CalibrationApplicationC::getFirstStateId()
{
    switch (m_iEntryPoint) {
    case ENTRY_CALIBRATE_ALL:
    case ENTRY_CALIBRATE_WITHOUT_ATR:
        return STATE_LEVEL;
    case ENTRY_VIEW_DATA:
        return STATE_VIEW_DATA;
    default:
        KTX_APP_REPORT("Unknown entry point.");
        return V40::APP::STATE_NO_SUCCESSOR;
    }
}

int CalibrationApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    if (iExitCode == s_iExitCodeShowError)
        return STATE_SHOW_ERROR;
    if (iExitCode == s_iExitCodeSuccess || iExitCode == s_iExitCodeFail) {
        if (iStateId < 0 || iStateId >= kStateCount) {
            KTX_APP_REPORT("Unknown state.");
            return V40::APP::STATE_NO_SUCCESSOR;
        }
        const SuccessorsS& rSuccessors = s_asSuccessors[iStateId];
        return iExitCode == s_iExitCodeSuccess ? rSuccessors.iSuccess : rSuccessors.iFail;
    }
    if (iExitCode == s_iExitCodeOutOfLevel && (iStateId == STATE_LEVEL || iStateId == STATE_STEP))
        return STATE_OUT_OF_LEVEL;
    if (iExitCode == s_iExitCodeNextMeas && iStateId == STATE_STEP)
        return STATE_STEP;
    return V40::APP::STATE_NO_SUCCESSOR;
}

V40::APP::ApplicationStateBaseC* CalibrationApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_LEVEL:
        return new CalibrationLevelStateC();
    case STATE_EXIT_LEVEL:
    case STATE_EXIT_STEP:
    case STATE_EXIT_OUT_OF_LEVEL:
    case STATE_EXIT_RESULTS:
        return new CheckModifiedStateC(V40::APP::RESULT_ENDED_BY_EXIT);
    case STATE_STEP:
        return new CalibrationStepXStateC();
    case STATE_OUT_OF_LEVEL:
        return new CalibrationOutOfLevelStateC();
    case STATE_RESULTS:
        return new CalibrationResultsStateC();
    case STATE_STORE:
        return new StoreDataStateC();
    case STATE_VIEW_DATA:
        return new CalibrationViewDataStateC();
    case STATE_SHOW_ERROR:
        return new CalibrationShowErrorStateC();
    default:
        return V40::APP::AbstractApplicationC::createState(iStateId);
    }
}

void CalibrationApplicationC::createModel()
{
    switch (m_iEntryPoint) {
    case ENTRY_CALIBRATE_ALL:
        setModel(new CalibrationModelC(true));
        break;
    case ENTRY_CALIBRATE_WITHOUT_ATR:
    case ENTRY_VIEW_DATA:
        setModel(new CalibrationModelC(false));
        break;
    default:
        KTX_APP_REPORT("false");
        setModel(new CalibrationModelC(false));
        break;
    }
}

} // namespace APP
} // namespace KTX
