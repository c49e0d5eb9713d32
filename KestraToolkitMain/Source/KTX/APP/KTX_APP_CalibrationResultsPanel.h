#pragma once
// The results of a calibration: each new value beside the one stored in the instrument, and
// whether the target recognition was calibrated too.
#include "KTX/APP/KTX_APP_CalibrationValueRows.h"

#include <QWidget>

#include <memory>

class QLabel;

namespace KTX {
namespace APP {

class CalibrationResultsPanelC : public QWidget
{
    Q_OBJECT

public:
    explicit CalibrationResultsPanelC(QWidget* parent = nullptr);
    ~CalibrationResultsPanelC() override;

    // Without stored values (pOld null) the "Old" rows are empty rather than zeros.
    void showResults(const CalibrationValuesS& rNew, const CalibrationValuesS* pOld, bool bATRUpdated);

    const CalibrationValueRowsC& newRows() const;
    const CalibrationValueRowsC& oldRows() const;
    QLabel* getATRLabel() const;

private:
    std::unique_ptr<CalibrationValueRowsC> m_upNewRows;
    std::unique_ptr<CalibrationValueRowsC> m_upOldRows;
    QLabel* m_pATRLabel;
};

} // namespace APP
} // namespace KTX
