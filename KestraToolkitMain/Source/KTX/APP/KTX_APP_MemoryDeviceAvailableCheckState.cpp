#include "KTX/APP/KTX_APP_MemoryDeviceAvailableCheckState.h"

#include "KTX/APP/KTX_APP_MemoryDeviceModel.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_MemoryDeviceAvailableCheckState", __LINE__)

namespace KTX {
namespace APP {

using V40::GUI::MessagePanelC;

MemoryDeviceAvailableCheckStateC::MemoryDeviceAvailableCheckStateC(QObject* parent)
    : MemoryDeviceAvailableCheckStateC(V40::LNG::TK::FileUpload_IsNotAvailable, parent)
{
}

MemoryDeviceAvailableCheckStateC::MemoryDeviceAvailableCheckStateC(int iMessageToken, QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
    , m_iMessageToken(iMessageToken)
{
}

MemoryDeviceAvailableCheckStateC::~MemoryDeviceAvailableCheckStateC() = default;

void MemoryDeviceAvailableCheckStateC::execute()
{
    const MemoryDeviceModelI* pModel = dynamic_cast<const MemoryDeviceModelI*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    while (!pModel->IsMemoryDeviceAvailable()) {
        const QString strMessage = V40::LNG::getTextToken(m_iMessageToken).arg(pModel->GetMemoryDeviceLabel());
        // Only RETRY asks again: a message that nobody can answer must not keep the loop going.
        if (MessagePanelC::information(strMessage, MessagePanelC::BUTTONS_RETRY_CANCEL, 0, MessagePanelC::RESULT_NONE)
            != MessagePanelC::RESULT_RETRY)
            break;
    }
    if (pModel->IsMemoryDeviceAvailable())
        OnSuccess();
    else
        OnFail();
}

} // namespace APP
} // namespace KTX
