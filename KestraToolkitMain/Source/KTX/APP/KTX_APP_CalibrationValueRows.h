#pragma once
// The five adjustment values as the results and the stored-data pages show them, one read-only
// angle row each: compensator L and T index, vertical index, collimation (line of sight), tilting
// axis.
#include "KTX/APP/KTX_APP_CalibrationModel.h"

#include <QList>
#include <QString>

class QWidget;

namespace V40 {
namespace GUI {
class HLabeledWidgetC;
}
} // namespace V40

namespace KTX {
namespace APP {

class CalibrationValueRowsC
{
public:
    static constexpr int ROW_COUNT = 5;

    // Rows under the quantities' labels, or all under one caption (strCaption not empty).
    CalibrationValueRowsC(QWidget* pParent, const QString& strCaption = QString());

    V40::GUI::HLabeledWidgetC* row(int iRow) const;
    void showValues(const CalibrationValuesS& rValues);
    // Rows without values, for values that cannot be read.
    void clearValues();

private:
    QList<V40::GUI::HLabeledWidgetC*> m_lstRows;
};

} // namespace APP
} // namespace KTX
