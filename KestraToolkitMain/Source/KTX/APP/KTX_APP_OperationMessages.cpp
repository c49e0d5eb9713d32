#include "KTX/APP/KTX_APP_OperationMessages.h"

#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"

#include "Quillbase/CMN_Power.h"
#include "Quillbase/CMN_System.h"
#include "Quillbase/CMN_Update.h"

namespace KTX {
namespace APP {

namespace {

using V40::GUI::MessagePanelC;

// The success message closes by itself.
const int s_iSuccessMessageSeconds = 3;

// A text with %1 gets the argument; one without keeps its text.
QString withArgument(int iToken, const QString& strArgument)
{
    const QString strText = V40::LNG::getTextToken(iToken);
    return strText.contains(QLatin1String("%1")) ? strText.arg(strArgument) : strText;
}

bool askYesNo(const QString& strQuestion)
{
    return MessagePanelC::information(strQuestion, MessagePanelC::BUTTONS_YES_NO, 0, MessagePanelC::RESULT_NONE)
        == MessagePanelC::RESULT_YES;
}

} // namespace

QString batteryCapacityText(int iUnknownCapacityToken)
{
    int iCapacity = 0;
    if (CMN::getBatteryStatus(iCapacity) == CMN::RC_POWER_OK)
        return QStringLiteral("%1%").arg(iCapacity);
    return V40::LNG::getTextToken(iUnknownCapacityToken);
}

bool confirmOperation(const OperationWarningTextsS& rTexts, bool bAskDataLoss)
{
    if (bAskDataLoss && !askYesNo(V40::LNG::getTextToken(rTexts.iDataLossToken)))
        return false;
    // The capacity is advice: the platform refuses what the battery cannot carry.
    const QString strCapacity = batteryCapacityText(rTexts.iUnknownCapacityToken);
    return askYesNo(V40::LNG::getTextToken(rTexts.iPowerSupplyToken).arg(strCapacity));
}

QString operationFailureText(int iResult, const QString& strArgument, const OperationResultTextsS& rTexts)
{
    QString strText = withArgument(rTexts.iFailureToken, strArgument);
    if (iResult == CMN::RC_BATTERY_LOW || iResult == CMN::RC_BATTERY_TOO_LOW_FOR_UPDATE)
        strText += V40::LNG::getTextToken(rTexts.iBatteryToken);
    else if (rTexts.iVersionConflictToken != 0 && iResult == CMN::RC_UPDATE_VERSION_CONFLICT)
        strText += V40::LNG::getTextToken(rTexts.iVersionConflictToken);
    else
        strText += V40::LNG::getTextToken(rTexts.iErrorNumberToken).arg(QString::number(uint(iResult), 16));
    return strText;
}

bool reportOperationResult(int iResult, const QString& strArgument, const OperationResultTextsS& rTexts)
{
    if (iResult == 0) {
        if (!CMN::isOperationMessageSuppressed())
            MessagePanelC::information(withArgument(rTexts.iSuccessToken, strArgument), MessagePanelC::BUTTONS_NONE,
                                       s_iSuccessMessageSeconds, MessagePanelC::RESULT_OK);
        return true;
    }
    MessagePanelC::information(operationFailureText(iResult, strArgument, rTexts), MessagePanelC::BUTTONS_OK, 0,
                               MessagePanelC::RESULT_NONE);
    return false;
}

} // namespace APP
} // namespace KTX
