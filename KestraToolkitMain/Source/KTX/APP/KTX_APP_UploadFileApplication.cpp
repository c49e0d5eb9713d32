#include "KTX/APP/KTX_APP_UploadFileApplication.h"

#include "KTX/APP/KTX_APP_FileAvailableCheckState.h"
#include "KTX/APP/KTX_APP_FileSelectionState.h"
#include "KTX/APP/KTX_APP_FileUploadResultState.h"
#include "KTX/APP/KTX_APP_FileUploadState.h"
#include "KTX/APP/KTX_APP_MemoryDeviceAvailableCheckState.h"
#include "KTX/APP/KTX_APP_PreFileUploadInformationState.h"
#include "KTX/APP/KTX_APP_UploadFileModel.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_UploadFileApplication", __LINE__)

namespace KTX {
namespace APP {

UploadFileApplicationC::UploadFileApplicationC(int iFileType)
    : m_iFileType(iFileType)
{
}

UploadFileApplicationC::~UploadFileApplicationC() = default;

int UploadFileApplicationC::getFileType() const
{
    return m_iFileType;
}

int UploadFileApplicationC::getFirstStateId()
{
    return STATE_MEMORY_DEVICE_CHECK;
}

int UploadFileApplicationC::getNextStateId(int iStateId, int iExitCode)
{
    const bool bSuccess = iExitCode == s_iExitCodeSuccess;
    if (!bSuccess && iExitCode != s_iExitCodeFail)
        return V40::APP::STATE_NO_SUCCESSOR;
    switch (iStateId) {
    case STATE_MEMORY_DEVICE_CHECK:
    case STATE_FILE_CHECK:
    case STATE_FILE_SELECTION:
    case STATE_PRE_UPLOAD_INFORMATION:
        // Up to the upload, every refusal ends the application with the instrument untouched.
        return bSuccess ? iStateId + 1 : int(V40::APP::STATE_END);
    case STATE_UPLOAD:
        return STATE_UPLOAD_RESULT;
    case STATE_UPLOAD_RESULT:
        return V40::APP::STATE_END;
    default:
        KTX_APP_REPORT("Unknown state.");
        return V40::APP::STATE_NO_SUCCESSOR;
    }
}

V40::APP::ApplicationStateBaseC* UploadFileApplicationC::createState(int iStateId)
{
    switch (iStateId) {
    case STATE_MEMORY_DEVICE_CHECK:
        return new MemoryDeviceAvailableCheckStateC();
    case STATE_FILE_CHECK:
        return new FileAvailableCheckStateC();
    case STATE_FILE_SELECTION:
        return new FileSelectionStateC(m_iFileType);
    case STATE_PRE_UPLOAD_INFORMATION:
        return new PreFileUploadInformationStateC();
    case STATE_UPLOAD:
        return new FileUploadStateC();
    case STATE_UPLOAD_RESULT:
        return new FileUploadResultStateC();
    default:
        return V40::APP::AbstractApplicationC::createState(iStateId);
    }
}

void UploadFileApplicationC::createModel()
{
    setModel(new UploadFileModelC(m_iFileType));
}

} // namespace APP
} // namespace KTX
