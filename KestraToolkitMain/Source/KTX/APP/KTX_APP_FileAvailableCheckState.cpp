#include "KTX/APP/KTX_APP_FileAvailableCheckState.h"

#include "KTX/APP/KTX_APP_UploadFileModel.h"

#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FileAvailableCheckState", __LINE__)

namespace KTX {
namespace APP {

using V40::GUI::MessagePanelC;

FileAvailableCheckStateC::FileAvailableCheckStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

FileAvailableCheckStateC::~FileAvailableCheckStateC() = default;

void FileAvailableCheckStateC::execute()
{
    UploadFileModelC* pModel = dynamic_cast<UploadFileModelC*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    pModel->RefreshFileList();
    if (!pModel->GetFileList().empty()) {
        OnSuccess();
        return;
    }
    MessagePanelC::information(V40::LNG::getTextToken(V40::LNG::TK::FileUpload_NoFileCouldBeFound)
                                   .arg(pModel->GetFileTypeLabel(), pModel->GetMemoryDeviceLabel()),
                               MessagePanelC::BUTTONS_OK, 0, MessagePanelC::RESULT_NONE);
    OnFail();
}

} // namespace APP
} // namespace KTX
