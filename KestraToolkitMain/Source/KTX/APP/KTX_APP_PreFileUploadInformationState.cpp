#include "KTX/APP/KTX_APP_PreFileUploadInformationState.h"

#include "KTX/APP/KTX_APP_OperationMessages.h"
#include "KTX/APP/KTX_APP_UploadFileModel.h"

#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_PreFileUploadInformationState", __LINE__)

namespace KTX {
namespace APP {

PreFileUploadInformationStateC::PreFileUploadInformationStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

PreFileUploadInformationStateC::~PreFileUploadInformationStateC() = default;

void PreFileUploadInformationStateC::execute()
{
    const UploadFileModelC* pModel = dynamic_cast<const UploadFileModelC*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    namespace TK = V40::LNG::TK;
    const OperationWarningTextsS oTexts{TK::FileUpload_DataMayGetLostPlease, TK::FileUpload_Unknown,
                                        TK::FileUpload_NeverDisconnectPowerSupplyDuring};
    if (confirmOperation(oTexts, pModel->GetFileType() == UploadFileModelC::FILE_TYPE_FIRMWARE))
        OnSuccess();
    else
        OnFail();
}

} // namespace APP
} // namespace KTX
