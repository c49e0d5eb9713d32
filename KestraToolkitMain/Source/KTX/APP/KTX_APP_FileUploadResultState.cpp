#include "KTX/APP/KTX_APP_FileUploadResultState.h"

#include "KTX/APP/KTX_APP_OperationMessages.h"
#include "KTX/APP/KTX_APP_UploadFileModel.h"

#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FileUploadResultState", __LINE__)

namespace KTX {
namespace APP {

FileUploadResultStateC::FileUploadResultStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

FileUploadResultStateC::~FileUploadResultStateC() = default;

void FileUploadResultStateC::execute()
{
    const UploadFileModelC* pModel = dynamic_cast<const UploadFileModelC*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    namespace TK = V40::LNG::TK;
    const OperationResultTextsS oTexts{TK::FileUpload_UploadOfFileWasSuccessful, TK::FileUpload_UploadOfFileWasNot,
                                       TK::FileUpload_BatteryPowerIsTooLow, TK::FileUpload_VersionConflict,
                                       TK::FileUpload_ErrorNumber0x};
    if (reportOperationResult(pModel->getResultCode(), pModel->GetSelectedFileName(), oTexts))
        OnSuccess();
    else
        OnFail();
}

} // namespace APP
} // namespace KTX
