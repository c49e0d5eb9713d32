#include "KTX/APP/KTX_APP_FormatResultState.h"

#include "KTX/APP/KTX_APP_OperationMessages.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_FormatResultState", __LINE__)

namespace KTX {
namespace APP {

FormatResultStateC::FormatResultStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

FormatResultStateC::~FormatResultStateC() = default;

void FormatResultStateC::execute()
{
    const V40::APP::ApplicationModelBaseC* pModel = modelOrNull();
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    namespace TK = V40::LNG::TK;
    const OperationResultTextsS oTexts{TK::Format_FormatCompleted, TK::Format_FormattingWasNotSuccessful,
                                       TK::Format_BatteryPowerIsTooLow, 0, TK::Format_ErrorNumber0x};
    if (reportOperationResult(pModel->getResultCode(), QString(), oTexts))
        OnSuccess();
    else
        OnFail();
}

} // namespace APP
} // namespace KTX
