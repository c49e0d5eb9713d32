#pragma once
// Angles as the instrument screens show them: in the user's angle unit, to a tenth of a milligon
// (a ten-thousandth of a degree, a hundredth of a mil).
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
namespace AngleDisplay {

int decimals(int iAngleUnit);
// The angle unit of the stored unit configuration.
int userAngleUnit();
// "<value><unit symbol>" in the user's angle unit, e.g. "0.1000g".
QString text(double dRadians);
// A read-only row for angles from dMinimum to dMaximum (radians), as wide as the widest of them.
V40::GUI::HLabeledWidgetC* newRow(const QString& strCaption, double dMinimum, double dMaximum, QWidget* pParent);
void showValue(V40::GUI::HLabeledWidgetC* pRow, double dRadians);
// The captions as wide as the widest of them and a gap, so that the values line up beside them.
void alignCaptions(const QList<V40::GUI::HLabeledWidgetC*>& lstRows);

} // namespace AngleDisplay
} // namespace APP
} // namespace KTX
