#include "KTX/APP/KTX_APP_CalibrationResultsState.h"

#include "KTX/APP/KTX_APP_CalibrationModel.h"
#include "KTX/APP/KTX_APP_CalibrationResultsPanel.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

CalibrationResultsStateC::CalibrationResultsStateC(QObject* parent)
    : PanelStateBaseC(V40::LNG::TK::Calibration_Results, parent)
{
}

CalibrationResultsStateC::~CalibrationResultsStateC() = default;

CalibrationResultsPanelC* CalibrationResultsStateC::getResultsPanel() const
{
    return qobject_cast<CalibrationResultsPanelC*>(getPanel());
}

QWidget* CalibrationResultsStateC::createPanel(QWidget* pPage)
{
    return new CalibrationResultsPanelC(pPage);
}

void CalibrationResultsStateC::addShortcuts()
{
    addShortcut(Qt::Key_Escape, 0, &CalibrationResultsStateC::OnEscapePressed);
    addShortcut(Qt::Key_F6, V40::LNG::TK::Functionkey_OK, &CalibrationResultsStateC::OnOkPressed);
}

void CalibrationResultsStateC::prepareShow()
{
    CalibrationModelC* poModel = calibrationModelOf(modelOrNull());
    CalibrationResultsPanelC* pPanel = getResultsPanel();
    if (!poModel || !pPanel)
        return;
    CalibrationValuesS oStored;
    const bool bStored = poModel->LoadCurrentCalibrationValues(oStored);
    pPanel->showResults(poModel->GetAveragedCalibrationValues(), bStored ? &oStored : nullptr,
                        poModel->IsATRAdjust());
}

void CalibrationResultsStateC::OnOkPressed()
{
    OnSuccess();
}

void CalibrationResultsStateC::OnEscapePressed()
{
    OnFail();
}

} // namespace APP
} // namespace KTX
