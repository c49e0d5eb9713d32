#include "KTX/APP/KTX_APP_FormatApplication.h"

#include "KTX/APP/KTX_APP_FormatApplicationModel.h"
#include "KTX/APP/KTX_APP_FormatMemoryDeviceAvailableCheckState.h"
#include "KTX/APP/KTX_APP_FormatResultState.h"
#include "KTX/APP/KTX_APP_FormatState.h"
#include "KTX/APP/KTX_APP_PreFormatInformationState.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FormatApplication", __LINE__)

namespace KTX {
namespace APP {

FormatApplicationC::FormatApplicationC(int iMemoryDevice)
    : m_iMemoryDevice(iMemoryDevice)
{
}

FormatApplicationC::~FormatApplicationC() = default;

int FormatApplicationC::getMemoryDevice() const
{
    return m_iMemoryDevice;
}

int FormatApplicationC::getFirstStateId()
{
    return STATE_MEMORY_DEVICE_CHECK;
}

int FormatApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    const bool bSuccess = iExitCode == s_iExitCodeSuccess;
    if (!bSuccess && iExitCode != s_iExitCodeFail)
        return V40::APP::STATE_NO_SUCCESSOR;
    switch (iStateId) {
    case STATE_MEMORY_DEVICE_CHECK:
    case STATE_PRE_FORMAT_INFORMATION:
        // Before the format, every refusal ends the application with the device untouched.
        return bSuccess ? iStateId + 1 : int(V40::APP::STATE_END);
    case STATE_FORMAT:
        return STATE_FORMAT_RESULT;
    case STATE_FORMAT_RESULT:
        return V40::APP::STATE_END;
    default:
        KTX_APP_REPORT("Unknown state.");
        return V40::APP::STATE_NO_SUCCESSOR;
    }
}

V40::APP::ApplicationStateBaseC* FormatApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_MEMORY_DEVICE_CHECK:
        return new FormatMemoryDeviceAvailableCheckStateC();
    case STATE_PRE_FORMAT_INFORMATION:
        return new PreFormatInformationStateC();
    case STATE_FORMAT:
        return new FormatStateC();
    case STATE_FORMAT_RESULT:
        return new FormatResultStateC();
    default:
        return V40::APP::AbstractApplicationC::createState(iStateId);
    }
}

void FormatApplicationC::createModel()
{
    setModel(new FormatApplicationModelC(m_iMemoryDevice));
}

} // namespace APP
} // namespace KTX
