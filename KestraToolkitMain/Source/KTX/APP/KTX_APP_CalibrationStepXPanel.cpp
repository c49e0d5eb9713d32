#include "KTX/APP/KTX_APP_CalibrationStepXPanel.h"

#include "KTX/APP/KTX_APP_AngleDisplay.h"
#include "KTX/APP/KTX_APP_CalibrationModel.h"

#include "V40_GUI_AbstractValueWidget.h"
#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_Look.h"
#include "V40_GUI_ValueWidget.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CalibrationStepXPanel", __LINE__)

namespace KTX {
namespace APP {

namespace {

namespace TK = V40::LNG::TK;

const QChar s_cPlusMinus(0xB1);
const QChar s_cDegree(0xB0);
constexpr double kFullTurn = 2.0 * 3.141592653589793;

} // namespace

CalibrationStepXPanelC::CalibrationStepXPanelC(CalibrationModelC* pModel, QWidget* parent)
    : QWidget(parent)
    , m_pModel(pModel)
    , m_pInstructionLabel(new QLabel(this))
    , m_pMeasurementLabel(new QLabel(this))
    , m_pHzRow(nullptr)
    , m_pVRow(nullptr)
{
    // The nine lines of the instruction, the measurement line and both angles on one page.
    setFont(V40::GUI::lookFont(17));
    m_pInstructionLabel->setFont(V40::GUI::lookFont(17));
    m_pMeasurementLabel->setFont(V40::GUI::lookFont(20));
    m_pHzRow = AngleDisplay::newRow(V40::LNG::getTextToken(TK::Calibration_Hz), 0.0, kFullTurn, this);
    m_pVRow = AngleDisplay::newRow(V40::LNG::getTextToken(TK::Calibration_V_Label), 0.0, kFullTurn, this);
    AngleDisplay::alignCaptions({m_pHzRow, m_pVRow});

    QVBoxLayout* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(10, 6, 10, 0);
    pLayout->setSpacing(4);
    pLayout->addWidget(m_pInstructionLabel);
    pLayout->addWidget(m_pMeasurementLabel);
    QHBoxLayout* pAngles = new QHBoxLayout();
    pAngles->setSpacing(40);
    pAngles->addWidget(m_pHzRow);
    pAngles->addWidget(m_pVRow);
    pAngles->addStretch(1);
    pLayout->addLayout(pAngles);
    pLayout->addStretch(1);

    if (!m_pModel)
        KTX_APP_REPORT("0 != m_pModel");
    else
        connect(m_pModel, &CalibrationModelC::measDataChanged, this, &CalibrationStepXPanelC::onMeasDataChanged);
    updateTexts();
    onMeasDataChanged();
}

CalibrationStepXPanelC::~CalibrationStepXPanelC() = default;

void CalibrationStepXPanelC::updateTexts()
{
    if (!m_pModel)
        return;
    int iNumber = m_pModel->GetNoOfValidMeas();
    switch (m_pModel->GetCalibrationType()) {
    case 1:
        m_pInstructionLabel->setText(V40::LNG::getTextToken(TK::Calibration_AimTheTelescopeAccuratelyAt_Message)
                                         .arg(s_cPlusMinus).arg(s_cDegree).arg(s_cPlusMinus));
        break;
    case 2:
        m_pInstructionLabel->setText(V40::LNG::getTextToken(TK::Calibration_AimTheTelescopeAccuratelyAt_Message_117)
                                         .arg(s_cDegree));
        iNumber -= 4;
        break;
    default:
        KTX_APP_REPORT("false");
        break;
    }
    m_pMeasurementLabel->setText(V40::LNG::getTextToken(TK::Calibration_MeasurementFace)
                                     .arg(iNumber / 2 + 1)
                                     .arg(m_pModel->IsFaceOneMeas() ? 1 : 2));
}

void CalibrationStepXPanelC::onMeasDataChanged()
{
    if (!m_pModel)
        return;
    const SDR::AngleMeasurementC oMeasData = m_pModel->GetMeasData();
    const QList<QPair<V40::GUI::HLabeledWidgetC*, unsigned>> lstRows{
        {m_pHzRow, SDR::AngleMeasurementC::FLAG_HZ_VALID}, {m_pVRow, SDR::AngleMeasurementC::FLAG_V_VALID}};
    for (const auto& rRow : lstRows) {
        const bool bValid = (oMeasData.getFlags() & rRow.second) != 0;
        if (bValid) {
            AngleDisplay::showValue(rRow.first, rRow.first == m_pHzRow ? oMeasData.getHz() : oMeasData.getV());
        } else if (auto* pField = qobject_cast<V40::GUI::ValueWidgetC*>(rRow.first->getValueWidget())) {
            pField->setDisplayValue(QString(""));
        }
    }
}

QLabel* CalibrationStepXPanelC::getInstructionLabel() const
{
    return m_pInstructionLabel;
}

QLabel* CalibrationStepXPanelC::getMeasurementLabel() const
{
    return m_pMeasurementLabel;
}

V40::GUI::HLabeledWidgetC* CalibrationStepXPanelC::getHzRow() const
{
    return m_pHzRow;
}

V40::GUI::HLabeledWidgetC* CalibrationStepXPanelC::getVRow() const
{
    return m_pVRow;
}

} // namespace APP
} // namespace KTX
