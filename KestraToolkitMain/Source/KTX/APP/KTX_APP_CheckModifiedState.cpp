#include "KTX/APP/KTX_APP_CheckModifiedState.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CheckModifiedState", __LINE__)

namespace KTX {
namespace APP {

using V40::GUI::MessagePanelC;

CheckModifiedStateC::CheckModifiedStateC(int iResultCode, QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
    , m_iResultCode(iResultCode)
{
}

CheckModifiedStateC::~CheckModifiedStateC() = default;

int CheckModifiedStateC::getResultCode() const
{
    return m_iResultCode;
}

void CheckModifiedStateC::execute()
{
    V40::APP::ApplicationModelBaseC* pModel = modelOrNull();
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    if (!pModel->isModified()) {
        OnSuccess();
        return;
    }
    const int iAnswer = MessagePanelC::information(V40::LNG::getTextToken(V40::LNG::TK::Global_ExitModificationsWillBeIgnored),
                                                   MessagePanelC::BUTTONS_YES_NO, 0, MessagePanelC::RESULT_NONE);
    if (iAnswer == MessagePanelC::RESULT_NO) {
        OnFail();
        return;
    }
    setApplicationResult(m_iResultCode);
    OnSuccess();
}

} // namespace APP
} // namespace KTX
