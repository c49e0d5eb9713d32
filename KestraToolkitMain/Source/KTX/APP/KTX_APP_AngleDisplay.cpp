#include "KTX/APP/KTX_APP_AngleDisplay.h"

#include "KTX/GUI/KTX_GUI_UnitWidget.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "V40_GUI_HLabeledWidget.h"

#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>

namespace KTX {
namespace APP {
namespace AngleDisplay {

namespace {

// Room for the field's frame and cursor beside its text, and between caption and value.
constexpr int kFieldPadding = 14;
constexpr int kCaptionGap = 12;

} // namespace

int decimals(int iAngleUnit)
{
    return iAngleUnit == UTI::AU_Mil ? 2 : 4;
}

int userAngleUnit()
{
    UTI::UnitConfigC oUnits;
    oUnits.load();
    return oUnits.getAngleUnit();
}

QString text(double dRadians)
{
    const int iUnit = userAngleUnit();
    const QVariant varDisplay = UTI::UnitConverter::toDisplay(UTI::Q_Angle, dRadians, iUnit);
    const QString strValue = iUnit == UTI::AU_DegreeMinuteSecond
        ? varDisplay.value<UTI::DegreeMinuteSecondC>().toString()
        : QString::number(varDisplay.toDouble(), 'f', decimals(iUnit));
    return QStringLiteral("%1%2").arg(strValue, UTI::UnitConverter::unitText(UTI::Q_Angle, iUnit));
}

V40::GUI::HLabeledWidgetC* newRow(const QString& strCaption, double dMinimum, double dMaximum, QWidget* pParent)
{
    const int iUnit = userAngleUnit();
    auto* pField = new GUI::UnitWidgetC(UTI::Q_Angle, iUnit, dMinimum, dMaximum, decimals(iUnit));
    pField->setMode(V40::GUI::AbstractValueWidgetC::MODE_DISPLAY_ONLY);
    auto* pRow = new V40::GUI::HLabeledWidgetC(strCaption, pField, pParent);
    if (QLineEdit* pEditor = pField->getLineEdit()) {
        const QFontMetrics oMetrics(pEditor->font());
        const int iWidest = qMax(oMetrics.horizontalAdvance(pField->modelToDisplayValue(dMinimum).toString()),
                                 oMetrics.horizontalAdvance(pField->modelToDisplayValue(dMaximum).toString()));
        pField->setFixedWidth(iWidest + kFieldPadding);
    }
    return pRow;
}

void showValue(V40::GUI::HLabeledWidgetC* pRow, double dRadians)
{
    if (!pRow)
        return;
    V40::GUI::AbstractValueWidgetC* pField = pRow->getValueWidget();
    pField->setValue(dRadians);
    pField->refresh();
}

void alignCaptions(const QList<V40::GUI::HLabeledWidgetC*>& lstRows)
{
    int iWidth = 0;
    for (V40::GUI::HLabeledWidgetC* pRow : lstRows) {
        // The settings rows' wide caption column would push the values off the screen.
        pRow->getCaptionLabel()->setMinimumWidth(0);
        iWidth = qMax(iWidth, pRow->getCaptionLabel()->sizeHint().width());
    }
    for (V40::GUI::HLabeledWidgetC* pRow : lstRows)
        pRow->getCaptionLabel()->setMinimumWidth(iWidth + kCaptionGap);
}

} // namespace AngleDisplay
} // namespace APP
} // namespace KTX
