#include "KTX/APP/KTX_APP_CalibrationOutOfLevelState.h"

#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

CalibrationOutOfLevelStateC::CalibrationOutOfLevelStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

CalibrationOutOfLevelStateC::~CalibrationOutOfLevelStateC() = default;

void CalibrationOutOfLevelStateC::execute()
{
    using V40::GUI::MessagePanelC;
    const int iAnswer = MessagePanelC::information(V40::LNG::getTextToken(V40::LNG::TK::Calibration_OutOfLevelRedoProcedure),
                                                   MessagePanelC::BUTTONS_YES_NO);
    if (iAnswer == MessagePanelC::RESULT_NO)
        OnFail();
    else
        OnSuccess();
}

} // namespace APP
} // namespace KTX
