#include "KTX/APP/KTX_APP_CalibrationShowErrorState.h"

#include "KTX/APP/KTX_APP_AngleDisplay.h"
#include "KTX/APP/KTX_APP_CalibrationModel.h"

#include "V40_GUI_MessagePanel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CalibrationShowErrorState", __LINE__)

namespace KTX {
namespace APP {

namespace {

namespace TK = V40::LNG::TK;

QString limitMessage(int iErrorToken, double dLimit)
{
    return V40::LNG::getTextToken(TK::Calibration_ErrorRepeatMeasurementIfFrequently)
        .arg(V40::LNG::getTextToken(iErrorToken), AngleDisplay::text(dLimit));
}

QString rangeMessage(const QList<GEO::AngleIntervalC>& lstRanges)
{
    QString strMessage = V40::LNG::getTextToken(TK::Calibration_InvalidVerticalAngleValidRange);
    const auto limits = [](int iToken, const GEO::AngleIntervalC& rInterval) {
        return V40::LNG::getTextToken(iToken).arg(AngleDisplay::text(rInterval.lower()), AngleDisplay::text(rInterval.upper()));
    };
    if (lstRanges.size() == 1)
        strMessage += limits(TK::Calibration_V_Message, lstRanges.at(0));
    else if (lstRanges.size() == 2)
        strMessage += limits(TK::Calibration_HighPtTo, lstRanges.at(0)) + limits(TK::Calibration_LowPtTo, lstRanges.at(1));
    return strMessage;
}

} // namespace

CalibrationShowErrorStateC::CalibrationShowErrorStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

CalibrationShowErrorStateC::~CalibrationShowErrorStateC() = default;

QString CalibrationShowErrorStateC::errorMessage(const CalibrationModelC& rModel)
{
    const CalibrationErrorS oError = rModel.GetError();
    const double dLimit = CalibrationModelC::s_dMaxCalibrationError;
    switch (oError.iCode) {
    case CAL_ERR_COMPENSATOR_INDEX:
        return limitMessage(TK::Calibration_CompensatorIndexError, dLimit);
    case CAL_ERR_TILT_AXIS:
        return limitMessage(TK::Calibration_TiltingAxisError, dLimit);
    case CAL_ERR_V_INDEX:
        return limitMessage(TK::Calibration_VIndexError_Message, dLimit);
    case CAL_ERR_HZ_COLLIMATION:
        return limitMessage(TK::Calibration_HzCollimationError, dLimit);
    case CAL_ERR_ATR:
        return limitMessage(TK::Calibration_TrevoCollimationError, CalibrationModelC::s_dMaxATRError);
    case CAL_ERR_V_RANGE:
        return rangeMessage(rModel.GetValidVAngleRanges());
    case CAL_ERR_COMPENSATOR:
        return V40::LNG::getTextToken(TK::Calibration_CompensatorIsNotStableInstrument);
    case CAL_ERR_ATR_ACCURACY:
        return V40::LNG::getTextToken(TK::Calibration_AutomaticTargetAimingAccuracyNot);
    case CAL_ERR_PRISM_NOT_DETECTED:
        return V40::LNG::getTextToken(TK::Calibration_PrismCouldNotBeDetected);
    case CAL_ERR_NO_PRISM:
        return V40::LNG::getTextToken(TK::Calibration_NoPrismFoundOrBad);
    case CAL_ERR_UNKNOWN:
        return V40::LNG::getTextToken(TK::Calibration_UnknownErrorErrorIDSubmit).arg(oError.strModule).arg(oError.iNumber);
    default:
        return QString();
    }
}

void CalibrationShowErrorStateC::execute()
{
    CalibrationModelC* poModel = calibrationModelOf(modelOrNull());
    if (!poModel)
        return;
    const QString strMessage = errorMessage(*poModel);
    if (strMessage.isEmpty()) {
        KTX_APP_REPORT("false");
        OnFail();
        return;
    }
    V40::GUI::MessagePanelC::error(strMessage, V40::GUI::MessagePanelC::BUTTONS_OK);
    OnSuccess();
}

} // namespace APP
} // namespace KTX
