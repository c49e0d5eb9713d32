#include "KTX/APP/KTX_APP_StoreDataState.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_StoreDataState", __LINE__)

namespace KTX {
namespace APP {

namespace {
// The confirmation closes by itself.
const int s_iStoredMessageSeconds = 1;
} // namespace

using V40::GUI::MessagePanelC;

StoreDataStateC::StoreDataStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

StoreDataStateC::~StoreDataStateC() = default;

void StoreDataStateC::execute()
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
    if (!pModel->store()) {
        MessagePanelC::error(V40::LNG::getTextToken(V40::LNG::TK::Global_DataCouldNotBeStored), MessagePanelC::BUTTONS_OK, 0,
                             MessagePanelC::RESULT_NONE);
        OnFail();
        return;
    }
    MessagePanelC::information(V40::LNG::getTextToken(V40::LNG::TK::Global_DataStored), MessagePanelC::BUTTONS_NONE,
                               s_iStoredMessageSeconds, MessagePanelC::RESULT_OK);
    OnSuccess();
}

} // namespace APP
} // namespace KTX
