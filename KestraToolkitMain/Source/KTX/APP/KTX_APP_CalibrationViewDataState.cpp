#include "KTX/APP/KTX_APP_CalibrationViewDataState.h"

#include "KTX/APP/KTX_APP_CalibrationModel.h"
#include "KTX/APP/KTX_APP_CalibrationViewDataPanel.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

CalibrationViewDataStateC::CalibrationViewDataStateC(QObject* parent)
    : PanelStateBaseC(V40::LNG::TK::Calibration_ViewAdjustmentData, parent)
{
}

CalibrationViewDataStateC::~CalibrationViewDataStateC() = default;

CalibrationViewDataPanelC* CalibrationViewDataStateC::getViewDataPanel() const
{
    return qobject_cast<CalibrationViewDataPanelC*>(getPanel());
}

QWidget* CalibrationViewDataStateC::createPanel(QWidget* pPage)
{
    return new CalibrationViewDataPanelC(pPage);
}

void CalibrationViewDataStateC::addShortcuts()
{
    addShortcut(Qt::Key_Escape, 0, &CalibrationViewDataStateC::OnEscapePressed);
    addShortcut(Qt::Key_F6, V40::LNG::TK::Functionkey_OK, &CalibrationViewDataStateC::OnOkPressed);
}

void CalibrationViewDataStateC::prepareShow()
{
    CalibrationModelC* poModel = calibrationModelOf(modelOrNull());
    CalibrationViewDataPanelC* pPanel = getViewDataPanel();
    if (!poModel || !pPanel)
        return;
    CalibrationValuesS oStored;
    pPanel->showValues(poModel->LoadCurrentCalibrationValues(oStored) ? &oStored : nullptr);
}

void CalibrationViewDataStateC::OnOkPressed()
{
    OnSuccess();
}

void CalibrationViewDataStateC::OnEscapePressed()
{
    OnFail();
}

} // namespace APP
} // namespace KTX
