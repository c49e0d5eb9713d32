#include "KTX/APP/KTX_APP_CommunicationSettingsCheckRebootState.h"

#include "KTX/APP/KTX_APP_CommunicationSettingsModel.h"

#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Quillbase/CMN_System.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CommunicationSettingsCheckRebootState", __LINE__)

namespace KTX {
namespace APP {

using V40::GUI::MessagePanelC;

CommunicationSettingsCheckRebootStateC::CommunicationSettingsCheckRebootStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

CommunicationSettingsCheckRebootStateC::~CommunicationSettingsCheckRebootStateC() = default;

void CommunicationSettingsCheckRebootStateC::execute()
{
    auto* pModel = dynamic_cast<CommunicationSettingsModelC*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    if (pModel->isRestartPending()
        && MessagePanelC::information(V40::LNG::getTextToken(V40::LNG::TK::Global_ARebootIsRequiredFor),
                                      MessagePanelC::BUTTONS_YES_NO, 0, MessagePanelC::RESULT_NONE)
            == MessagePanelC::RESULT_YES) {
        if (!CMN::restartInstrument())
            KTX_APP_REPORT("CMN::restartInstrument()");
    }
    OnSuccess();
}

} // namespace APP
} // namespace KTX
