#include "KTX/APP/KTX_APP_CalibrationViewDataPanel.h"

#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_Look.h"

#include <QVBoxLayout>

namespace KTX {
namespace APP {

CalibrationViewDataPanelC::CalibrationViewDataPanelC(QWidget* parent)
    : QWidget(parent)
{
    setFont(V40::GUI::lookFont(22));
    m_upRows.reset(new CalibrationValueRowsC(this));
    QVBoxLayout* pLayout = new QVBoxLayout(this);
    pLayout->setContentsMargins(10, 10, 10, 0);
    pLayout->setSpacing(8);
    for (int i = 0; i < CalibrationValueRowsC::ROW_COUNT; ++i)
        pLayout->addWidget(m_upRows->row(i));
    pLayout->addStretch(1);
}

CalibrationViewDataPanelC::~CalibrationViewDataPanelC() = default;

void CalibrationViewDataPanelC::showValues(const CalibrationValuesS* pValues)
{
    if (pValues)
        m_upRows->showValues(*pValues);
    else
        m_upRows->clearValues();
}

const CalibrationValueRowsC& CalibrationViewDataPanelC::rows() const
{
    return *m_upRows;
}

} // namespace APP
} // namespace KTX
