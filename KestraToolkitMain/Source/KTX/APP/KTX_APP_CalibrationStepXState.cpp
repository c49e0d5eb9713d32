#include "KTX/APP/KTX_APP_CalibrationStepXState.h"

#include "KTX/APP/KTX_APP_CalibrationApplication.h"
#include "KTX/APP/KTX_APP_CalibrationModel.h"
#include "KTX/APP/KTX_APP_CalibrationStepXPanel.h"

#include "V40_GUI_FunctionKeyBar.h"
#include "V40_GUI_MainWindow.h"
#include "V40_GUI_ProgressDialog.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CalibrationStepXState", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;

CalibrationStepXStateC::CalibrationStepXStateC(QObject* parent)
    : PanelStateBaseC(TK::Calibration_CalibrationStep, parent)
    , m_pProgressDialog(new V40::GUI::ProgressDialogC(V40::LNG::getTextToken(TK::Calibration_Measuring)))
    , m_bMeasuring(false)
{
    m_pProgressDialog->hide();
}

CalibrationStepXStateC::~CalibrationStepXStateC()
{
    delete m_pProgressDialog.data();
}

CalibrationStepXPanelC* CalibrationStepXStateC::getStepXPanel() const
{
    return qobject_cast<CalibrationStepXPanelC*>(getPanel());
}

V40::GUI::ProgressDialogC* CalibrationStepXStateC::getProgressDialog() const
{
    return m_pProgressDialog;
}

bool CalibrationStepXStateC::isMeasuring() const
{
    return m_bMeasuring;
}

QWidget* CalibrationStepXStateC::createPanel(QWidget* pPage)
{
    m_pModel = calibrationModelOf(modelOrNull());
    if (!m_pModel)
        return nullptr;
    connect(m_pModel.data(), &CalibrationModelC::singleCalibrationMeasFinished, this,
            &CalibrationStepXStateC::OnSingleCalibrationMeasFinished);
    return new CalibrationStepXPanelC(m_pModel, pPage);
}

void CalibrationStepXStateC::addShortcuts()
{
    addShortcut(Qt::Key_Escape, 0, &CalibrationStepXStateC::OnEscapePressed);
    addShortcut(Qt::Key_F6, TK::Functionkey_OK, &CalibrationStepXStateC::OnOkPressed);
}

void CalibrationStepXStateC::prepareShow()
{
    if (CalibrationStepXPanelC* pPanel = getStepXPanel())
        pPanel->updateTexts();
}

QString CalibrationStepXStateC::titleText() const
{
    // After the last measurement the page is shown once more while the results come.
    const int iStep = (!m_pModel || m_pModel->IsCalibrationFinished()) ? 2 : m_pModel->GetCalibrationType();
    return V40::LNG::getTextToken(TK::Calibration_CalibrationStep).arg(iStep);
}

void CalibrationStepXStateC::execute()
{
    PanelStateBaseC::execute();
    endMeasuring();
}

void CalibrationStepXStateC::OnOkPressed()
{
    if (m_bMeasuring || !m_pModel)
        return;
    if (!m_pModel->StartSingleCalibrationMeas())
        return;
    m_bMeasuring = true;
    if (V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance()) {
        pMainWindow->setEmptyContentBar();
        if (V40::GUI::FunctionKeyBarC* pBar = pMainWindow->functionKeyBar())
            pBar->hide();
    }
    if (m_pProgressDialog)
        m_pProgressDialog->show();
    m_pModel->TriggerSingleCalibrationMeas();
}

void CalibrationStepXStateC::OnEscapePressed()
{
    if (!m_bMeasuring)
        OnFail();
}

void CalibrationStepXStateC::endMeasuring()
{
    if (!m_bMeasuring)
        return;
    m_bMeasuring = false;
    if (m_pProgressDialog)
        m_pProgressDialog->hide();
    // The keys go to the main window again, whatever the window system did with the dialog.
    if (V40::GUI::MainWindowC* pMainWindow = V40::GUI::MainWindowC::instance())
        pMainWindow->activateWindow();
}

void CalibrationStepXStateC::OnSingleCalibrationMeasFinished()
{
    // Only the answer to this screen's own request counts.
    if (!isRunning() || !m_pModel)
        return;
    const bool bWasMeasuring = m_bMeasuring;
    endMeasuring();
    if (bWasMeasuring && V40::GUI::MainWindowC::instance())
        showPage();
    switch (m_pModel->GetError().iCode) {
    case CAL_ERR_NONE:
        if (m_pModel->IsCalibrationFinished())
            OnSuccess();
        else
            OnExit(CalibrationApplicationC::s_iExitCodeNextMeas);
        break;
    case CAL_ERR_OUT_OF_LEVEL:
        OnExit(CalibrationApplicationC::s_iExitCodeOutOfLevel);
        break;
    default:
        OnExit(CalibrationApplicationC::s_iExitCodeShowError);
        break;
    }
}

} // namespace APP
} // namespace KTX
