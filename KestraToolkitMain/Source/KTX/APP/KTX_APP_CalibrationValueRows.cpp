#include "KTX/APP/KTX_APP_CalibrationValueRows.h"

#include "KTX/APP/KTX_APP_AngleDisplay.h"

#include "V40_GUI_AbstractValueWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

namespace {

namespace TK = V40::LNG::TK;

const int s_aiLabels[CalibrationValueRowsC::ROW_COUNT] = {TK::Calibration_CompLError, TK::Calibration_CompTError,
                                                         TK::Calibration_VIndexError_Label, TK::Calibration_LOSError,
                                                         TK::Calibration_TiltAxisError};

// The stored parameters never lie beyond this.
constexpr double kLargestValue = 0.1;

} // namespace

CalibrationValueRowsC::CalibrationValueRowsC(QWidget* pParent, const QString& strCaption)
{
    for (int iLabel : s_aiLabels) {
        const QString strRowCaption = strCaption.isEmpty() ? V40::LNG::getTextToken(iLabel) : strCaption;
        m_lstRows << AngleDisplay::newRow(strRowCaption, -kLargestValue, kLargestValue, pParent);
    }
    AngleDisplay::alignCaptions(m_lstRows);
}

V40::GUI::HLabeledWidgetC* CalibrationValueRowsC::row(int iRow) const
{
    return m_lstRows.value(iRow);
}

void CalibrationValueRowsC::showValues(const CalibrationValuesS& rValues)
{
    const double adValues[ROW_COUNT] = {rValues.LIndex, rValues.QIndex, rValues.VIndex, rValues.HzCollimation,
                                        rValues.TiltAxis};
    for (int i = 0; i < ROW_COUNT; ++i)
        AngleDisplay::showValue(m_lstRows.at(i), adValues[i]);
}

void CalibrationValueRowsC::clearValues()
{
    for (V40::GUI::HLabeledWidgetC* pRow : qAsConst(m_lstRows)) {
        pRow->getValueWidget()->setValue(QVariant());
        pRow->getValueWidget()->refresh();
    }
}

} // namespace APP
} // namespace KTX
