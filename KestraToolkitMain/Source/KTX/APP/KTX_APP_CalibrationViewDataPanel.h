#pragma once
// The adjustment values stored in the instrument.
#include "KTX/APP/KTX_APP_CalibrationValueRows.h"

#include <QWidget>

#include <memory>

namespace KTX {
namespace APP {

class CalibrationViewDataPanelC : public QWidget
{
    Q_OBJECT

public:
    explicit CalibrationViewDataPanelC(QWidget* parent = nullptr);
    ~CalibrationViewDataPanelC() override;

    // Without values (null) the rows are empty rather than zeros.
    void showValues(const CalibrationValuesS* pValues);
    const CalibrationValueRowsC& rows() const;

private:
    std::unique_ptr<CalibrationValueRowsC> m_upRows;
};

} // namespace APP
} // namespace KTX
