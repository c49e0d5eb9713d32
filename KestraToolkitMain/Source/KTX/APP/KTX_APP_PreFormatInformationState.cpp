#include "KTX/APP/KTX_APP_PreFormatInformationState.h"

#include "KTX/APP/KTX_APP_OperationMessages.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

PreFormatInformationStateC::PreFormatInformationStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

PreFormatInformationStateC::~PreFormatInformationStateC() = default;

void PreFormatInformationStateC::execute()
{
    namespace TK = V40::LNG::TK;
    const OperationWarningTextsS oTexts{TK::Format_DataMayGetLostPlease, TK::Format_Unknown,
                                        TK::Format_NeverDisconnectPowerSupplyDuring};
    if (confirmOperation(oTexts, true))
        OnSuccess();
    else
        OnFail();
}

} // namespace APP
} // namespace KTX
