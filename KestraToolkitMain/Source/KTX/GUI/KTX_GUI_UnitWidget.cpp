#include "KTX/GUI/KTX_GUI_UnitWidget.h"

#include "KTX/GUI/KTX_GUI_DateValidator.h"
#include "KTX/GUI/KTX_GUI_DegreeMinuteSecondValidator.h"
#include "KTX/GUI/KTX_GUI_MaskedText.h"
#include "KTX/GUI/KTX_GUI_TimeValidator.h"
#include "KTX/GUI/KTX_GUI_UnitValueModel.h"
#include "KTX/GUI/KTX_GUI_UsFootInch16thValidator.h"
#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"
#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

#include "V40_GUI_DoubleValidator.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_GUI_UnitWidget", __LINE__)

namespace KTX {
namespace GUI {

namespace Converter = UTI::UnitConverter;

namespace {

// The value a text stands for; invalid, with a report, when the text is none.
template <class T, class... ArgsT>
QVariant parsedDisplayValue(const QString& strText, ArgsT... args)
{
    T oValue;
    if (!oValue.fromString(strText, args...)) {
        KTX_GUI_REPORT("false");
        return QVariant();
    }
    return QVariant::fromValue(oValue);
}

} // namespace

UnitWidgetC::UnitWidgetC(int iQuantity, const QVariant& rvarUnit, QWidget* parent)
    : UnitWidgetC(iQuantity, rvarUnit, 0.0, 0.0, 1, parent)
{
}

UnitWidgetC::UnitWidgetC(int iQuantity, const QVariant& rvarUnit, double dMinimum, double dMaximum,
                         int iDecimals, QWidget* parent)
    : V40::GUI::ValueWidgetC(new UnitValueModelC(rvarUnit), MODE_EDITABLE, parent)
    , m_iQuantity(iQuantity)
    , m_dMinimum(dMinimum)
    , m_dMaximum(dMaximum)
    , m_iDecimals(iDecimals)
{
    setUpEditor();
}

UnitWidgetC::~UnitWidgetC() = default;

void UnitWidgetC::setUpEditor()
{
    const QVariant varUnit = getUnit();
    if (isDegreeMinuteSecond()) {
        // The form is checked while typing; the angle parser decides when the edit is committed.
        setValidator(new DegreeMinuteSecondValidatorC(m_dMinimum < 0.0));
    } else if (isFootInch16th()) {
        const UTI::UsFootInch16thC oMinimum =
            Converter::toDisplay(m_iQuantity, m_dMinimum, varUnit).value<UTI::UsFootInch16thC>();
        const UTI::UsFootInch16thC oMaximum =
            Converter::toDisplay(m_iQuantity, m_dMaximum, varUnit).value<UTI::UsFootInch16thC>();
        setValidator(new UsFootInch16thValidatorC(oMinimum, oMaximum));
    } else if (m_iQuantity != UTI::Q_Time && m_iQuantity != UTI::Q_Date) {
        // Times and dates get their own validator right below.
        const double dBottom = Converter::toDisplay(m_iQuantity, m_dMinimum, varUnit).toDouble();
        const double dTop = Converter::toDisplay(m_iQuantity, m_dMaximum, varUnit).toDouble();
        setValidator(new V40::GUI::DoubleValidatorC(dBottom, dTop, m_iDecimals));
    }
    onUnitDisplayInfoChanged();
    if (UnitValueModelC* pModel = unitModel())
        connect(pModel, SIGNAL(unitDisplayInfoChanged()), this, SLOT(onUnitDisplayInfoChanged()));
}

void UnitWidgetC::onUnitDisplayInfoChanged()
{
    if (m_iQuantity == UTI::Q_Time) {
        setValidator(nullptr);
        setInputMask(QStringLiteral("00:00:00"));
        setValidator(new TimeValidatorC());
    } else if (m_iQuantity == UTI::Q_Date) {
        setValidator(nullptr);
        const int iDateFormat = getUnit().toInt();
        switch (iDateFormat) {
        case UTI::DateC::DF_DayMonthYear:
        case UTI::DateC::DF_MonthDayYear:
            setInputMask(QStringLiteral("00.00.0000"));
            break;
        case UTI::DateC::DF_YearMonthDay:
            setInputMask(QStringLiteral("0000.00.00"));
            break;
        default:
            KTX_GUI_REPORT("Unknown date format.");
            break;
        }
        setValidator(new DateValidatorC(iDateFormat));
    }
    refresh();
}

QVariant UnitWidgetC::modelToDisplayValue(const QVariant& rvarModelValue) const
{
    if (!rvarModelValue.isValid())
        return V40::GUI::ValueWidgetC::modelToDisplayValue(rvarModelValue);
    const QVariant varUnit = getUnit();
    const QVariant varDisplay = Converter::toDisplay(m_iQuantity, rvarModelValue, varUnit);
    if (isDegreeMinuteSecond())
        return varDisplay.value<UTI::DegreeMinuteSecondC>().toString();
    if (isFootInch16th())
        return varDisplay.value<UTI::UsFootInch16thC>().toString();
    if (m_iQuantity == UTI::Q_Time)
        return varDisplay.value<UTI::TimeC>().toString();
    if (m_iQuantity == UTI::Q_Date)
        return varDisplay.value<UTI::DateC>().toString(varUnit.toInt());
    return V40::GUI::ValueWidgetC::modelToDisplayValue(varDisplay.toDouble());
}

QVariant UnitWidgetC::displayToModelValue(const QVariant& rvarDisplayValue) const
{
    if (!rvarDisplayValue.isValid()) {
        KTX_GUI_REPORT("varDisplayValue.isValid()");
        return QVariant();
    }
    const QString strText = rvarDisplayValue.toString();
    const QVariant varUnit = getUnit();
    QVariant varDisplay;
    if (isDegreeMinuteSecond()) {
        // A partly read angle (12°60′ would read as 0°) must not replace the value.
        varDisplay = parsedDisplayValue<UTI::DegreeMinuteSecondC>(strText.trimmed());
    } else if (isFootInch16th()) {
        varDisplay = parsedDisplayValue<UTI::UsFootInch16thC>(strText);
    } else if (m_iQuantity == UTI::Q_Time) {
        varDisplay = parsedDisplayValue<UTI::TimeC>(MaskedText::compact(strText));
    } else if (m_iQuantity == UTI::Q_Date) {
        varDisplay = parsedDisplayValue<UTI::DateC>(MaskedText::compact(strText), varUnit.toInt());
    } else {
        // The placeholder only shows that there is no value; it is never one.
        if (strText == V40::GUI::ValidatorC::placeholderText())
            return QVariant();
        varDisplay = strText;
    }
    if (!varDisplay.isValid())
        return QVariant();
    return Converter::fromDisplay(m_iQuantity, varDisplay, varUnit);
}

QString UnitWidgetC::getUnitText() const
{
    return Converter::unitText(m_iQuantity, getUnit());
}

int UnitWidgetC::getQuantity() const
{
    return m_iQuantity;
}

QVariant UnitWidgetC::getUnit() const
{
    const UnitValueModelC* pModel = unitModel();
    return pModel ? pModel->getUnit() : QVariant();
}

void UnitWidgetC::setUnit(const QVariant& rvarUnit)
{
    if (UnitValueModelC* pModel = unitModel())
        pModel->setUnit(rvarUnit);
}

UnitValueModelC* UnitWidgetC::unitModel() const
{
    auto* pModel = qobject_cast<UnitValueModelC*>(getModel());
    if (!pModel)
        KTX_GUI_REPORT("pModel");
    return pModel;
}

bool UnitWidgetC::isDegreeMinuteSecond() const
{
    return m_iQuantity == UTI::Q_Angle && getUnit().toInt() == UTI::AU_DegreeMinuteSecond;
}

bool UnitWidgetC::isFootInch16th() const
{
    return m_iQuantity == UTI::Q_Distance && getUnit().toInt() == UTI::DU_UsFootInch16th;
}

} // namespace GUI
} // namespace KTX
