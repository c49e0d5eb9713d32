#include "KTX/APP/KTX_APP_CalibrationResultsPanel.h"

#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_Look.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include <QGridLayout>
#include <QLabel>

namespace KTX {
namespace APP {

CalibrationResultsPanelC::CalibrationResultsPanelC(QWidget* parent)
    : QWidget(parent)
    , m_pATRLabel(new QLabel(this))
{
    setFont(V40::GUI::lookFont(18));
    m_upNewRows.reset(new CalibrationValueRowsC(this));
    m_upOldRows.reset(new CalibrationValueRowsC(this, V40::LNG::getTextToken(V40::LNG::TK::Calibration_Old)));
    // New value and stored one side by side, one quantity a line.
    QGridLayout* pLayout = new QGridLayout(this);
    pLayout->setContentsMargins(10, 6, 10, 0);
    pLayout->setHorizontalSpacing(14);
    pLayout->setVerticalSpacing(4);
    for (int i = 0; i < CalibrationValueRowsC::ROW_COUNT; ++i) {
        pLayout->addWidget(m_upNewRows->row(i), i, 0);
        pLayout->addWidget(m_upOldRows->row(i), i, 1);
    }
    pLayout->addWidget(m_pATRLabel, CalibrationValueRowsC::ROW_COUNT, 0, 1, 2);
    pLayout->setRowStretch(CalibrationValueRowsC::ROW_COUNT + 1, 1);
    pLayout->setColumnStretch(2, 1);
}

CalibrationResultsPanelC::~CalibrationResultsPanelC() = default;

void CalibrationResultsPanelC::showResults(const CalibrationValuesS& rNew, const CalibrationValuesS* pOld,
                                           bool bATRUpdated)
{
    m_upNewRows->showValues(rNew);
    if (pOld)
        m_upOldRows->showValues(*pOld);
    else
        m_upOldRows->clearValues();
    m_pATRLabel->setText(V40::LNG::getTextToken(bATRUpdated ? V40::LNG::TK::Calibration_TrevoCalibrationWasUpdated
                                                            : V40::LNG::TK::Calibration_TrevoCalibrationWasNotUpdated));
}

const CalibrationValueRowsC& CalibrationResultsPanelC::newRows() const
{
    return *m_upNewRows;
}

const CalibrationValueRowsC& CalibrationResultsPanelC::oldRows() const
{
    return *m_upOldRows;
}

QLabel* CalibrationResultsPanelC::getATRLabel() const
{
    return m_pATRLabel;
}

} // namespace APP
} // namespace KTX
