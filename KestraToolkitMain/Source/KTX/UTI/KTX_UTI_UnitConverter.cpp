#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_FormatMarks.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

#include "Ferrolib/BSS_Assert.h"
#include "Pelletlib/CNV_Angle.h"
#include "Pelletlib/CNV_Atmosphere.h"
#include "Pelletlib/CNV_Length.h"

namespace KTX {
namespace UTI {
namespace UnitConverter {

namespace {

constexpr double kPi = 3.141592653589793;

const QString& unknownUnitText()
{
    static const QString s_strText = QStringLiteral("----");
    return s_strText;
}

QVariant unknownUnit(const QVariant& varValue)
{
    BSS_ASSERT_REPORT("false", "KTX_UTI_UnitConverter", __LINE__);
    return varValue;
}

QString unknownUnitTextReported()
{
    BSS_ASSERT_REPORT("false", "KTX_UTI_UnitConverter", __LINE__);
    return unknownUnitText();
}

// The display value forms that are not plain numbers must arrive as their own type; anything
// else would silently read as zero.
template <class T>
bool takeDisplayValue(const QVariant& varDisplayValue, T& rValue)
{
    if (varDisplayValue.userType() != qMetaTypeId<T>()) {
        BSS_ASSERT_REPORT("Unexpected display value type.", "KTX_UTI_UnitConverter", __LINE__);
        return false;
    }
    rValue = varDisplayValue.value<T>();
    return true;
}

// Distance: metres inside.

QVariant distanceToDisplay(const QVariant& varValue, int iUnit)
{
    const double dMetres = varValue.toDouble();
    switch (iUnit) {
    case DU_Metre:
        return dMetres;
    case DU_InternationalFoot:
        return CNV::metresToInternationalFeet(dMetres);
    case DU_UsSurveyFoot:
        return CNV::metresToUsSurveyFeet(dMetres);
    case DU_UsFootInch16th:
        return QVariant::fromValue(UsFootInch16thC(CNV::metresToUsSurveyFeet(dMetres)));
    default:
        return unknownUnit(varValue);
    }
}

QVariant distanceFromDisplay(const QVariant& varDisplayValue, int iUnit)
{
    switch (iUnit) {
    case DU_Metre:
        return varDisplayValue.toDouble();
    case DU_InternationalFoot:
        return CNV::internationalFeetToMetres(varDisplayValue.toDouble());
    case DU_UsSurveyFoot:
        return CNV::usSurveyFeetToMetres(varDisplayValue.toDouble());
    case DU_UsFootInch16th: {
        UsFootInch16thC oLength;
        if (!takeDisplayValue(varDisplayValue, oLength))
            return varDisplayValue;
        return CNV::usSurveyFeetToMetres(oLength.toUsFeet());
    }
    default:
        return unknownUnit(varDisplayValue);
    }
}

QString distanceUnitText(int iUnit)
{
    switch (iUnit) {
    case DU_Metre:
        return QStringLiteral("m");
    case DU_InternationalFoot:
        return QStringLiteral("fi");
    case DU_UsSurveyFoot:
        return QStringLiteral("ft");
    case DU_UsFootInch16th:
        return QStringLiteral("/16") + inchMark();
    default:
        return unknownUnitTextReported();
    }
}

// Angle: radians inside. Multiply first, then divide, so that right angles come out whole.

QVariant angleToDisplay(const QVariant& varValue, int iUnit)
{
    const double dRadians = varValue.toDouble();
    switch (iUnit) {
    case AU_Gon:
        return dRadians * 200.0 / kPi;
    case AU_DegreeMinuteSecond: {
        CNV::AngleDmsS sDms;
        CNV::splitRadians(dRadians, sDms);
        // Truncated, never rounded up: 59.99 seconds must not become 60 without a carry.
        const int iSeconds = static_cast<int>(sDms.dSeconds);
        return QVariant::fromValue(
            DegreeMinuteSecondC(sDms.iDegrees, sDms.iMinutes, iSeconds, sDms.iSign >= 0));
    }
    case AU_Degree:
        return dRadians * 180.0 / kPi;
    case AU_Mil:
        return dRadians * 3200.0 / kPi;
    default:
        return unknownUnit(varValue);
    }
}

QVariant angleFromDisplay(const QVariant& varDisplayValue, int iUnit)
{
    switch (iUnit) {
    case AU_Gon:
        return varDisplayValue.toDouble() * kPi / 200.0;
    case AU_DegreeMinuteSecond: {
        DegreeMinuteSecondC oAngle;
        if (!takeDisplayValue(varDisplayValue, oAngle))
            return varDisplayValue;
        const double dSign = oAngle.isPositive() ? 1.0 : -1.0;
        const double dDegrees =
            oAngle.getDegrees() + oAngle.getMinutes() / 60.0 + oAngle.getSeconds() / 3600.0;
        return dSign * dDegrees * kPi / 180.0;
    }
    case AU_Degree:
        return varDisplayValue.toDouble() * kPi / 180.0;
    case AU_Mil:
        return varDisplayValue.toDouble() * kPi / 3200.0;
    default:
        return unknownUnit(varDisplayValue);
    }
}

QString angleUnitText(int iUnit)
{
    switch (iUnit) {
    case AU_Gon:
        return QStringLiteral("g");
    case AU_DegreeMinuteSecond:
        return QString(); // the value carries its own marks
    case AU_Degree:
        return degreeMark();
    case AU_Mil:
        return QStringLiteral("mil");
    default:
        return unknownUnitTextReported();
    }
}

// Temperature: degrees Celsius inside.

QVariant temperatureToDisplay(const QVariant& varValue, int iUnit)
{
    switch (iUnit) {
    case TU_Celsius:
        return varValue.toDouble();
    case TU_Fahrenheit:
        return CNV::celsiusToFahrenheit(varValue.toDouble());
    default:
        return unknownUnit(varValue);
    }
}

QVariant temperatureFromDisplay(const QVariant& varDisplayValue, int iUnit)
{
    switch (iUnit) {
    case TU_Celsius:
        return varDisplayValue.toDouble();
    case TU_Fahrenheit:
        return CNV::fahrenheitToCelsius(varDisplayValue.toDouble());
    default:
        return unknownUnit(varDisplayValue);
    }
}

QString temperatureUnitText(int iUnit)
{
    switch (iUnit) {
    case TU_Celsius:
        return degreeMark() + QStringLiteral("C");
    case TU_Fahrenheit:
        return degreeMark() + QStringLiteral("F");
    default:
        return unknownUnitTextReported();
    }
}

// Pressure: millibar inside; a hectopascal is the same amount.

QVariant pressureToDisplay(const QVariant& varValue, int iUnit)
{
    switch (iUnit) {
    case PU_Millibar:
    case PU_Hectopascal:
        return varValue.toDouble();
    case PU_MmHg:
        return CNV::millibarToMmHg(varValue.toDouble());
    case PU_InHg:
        return CNV::millibarToInHg(varValue.toDouble());
    default:
        return unknownUnit(varValue);
    }
}

QVariant pressureFromDisplay(const QVariant& varDisplayValue, int iUnit)
{
    switch (iUnit) {
    case PU_Millibar:
    case PU_Hectopascal:
        return varDisplayValue.toDouble();
    case PU_MmHg:
        return CNV::mmHgToMillibar(varDisplayValue.toDouble());
    case PU_InHg:
        return CNV::inHgToMillibar(varDisplayValue.toDouble());
    default:
        return unknownUnit(varDisplayValue);
    }
}

QString pressureUnitText(int iUnit)
{
    switch (iUnit) {
    case PU_Millibar:
        return QStringLiteral("mbar");
    case PU_MmHg:
        return QStringLiteral("mmHg");
    case PU_InHg:
        return QStringLiteral("inHg");
    case PU_Hectopascal:
        return QStringLiteral("hPa");
    default:
        return unknownUnitTextReported();
    }
}

} // namespace

QVariant toDisplay(int iQuantity, const QVariant& varValue, const QVariant& varUnit)
{
    const int iUnit = varUnit.toInt();
    switch (iQuantity) {
    case Q_Distance:
        return distanceToDisplay(varValue, iUnit);
    case Q_Angle:
        return angleToDisplay(varValue, iUnit);
    case Q_Temperature:
        return temperatureToDisplay(varValue, iUnit);
    case Q_Pressure:
        return pressureToDisplay(varValue, iUnit);
    case Q_Time:
        return QVariant::fromValue(TimeC::fromDateTime(varValue.toDouble()));
    case Q_Date:
        return QVariant::fromValue(DateC::fromDateTime(varValue.toDouble()));
    default:
        BSS_ASSERT_REPORT("Unknown quantity.", "KTX_UTI_UnitConverter", __LINE__);
        return varValue;
    }
}

QVariant fromDisplay(int iQuantity, const QVariant& varDisplayValue, const QVariant& varUnit)
{
    const int iUnit = varUnit.toInt();
    switch (iQuantity) {
    case Q_Distance:
        return distanceFromDisplay(varDisplayValue, iUnit);
    case Q_Angle:
        return angleFromDisplay(varDisplayValue, iUnit);
    case Q_Temperature:
        return temperatureFromDisplay(varDisplayValue, iUnit);
    case Q_Pressure:
        return pressureFromDisplay(varDisplayValue, iUnit);
    case Q_Time: {
        TimeC oTime;
        if (!takeDisplayValue(varDisplayValue, oTime))
            return varDisplayValue;
        return oTime.toDateTime();
    }
    case Q_Date: {
        DateC oDate;
        if (!takeDisplayValue(varDisplayValue, oDate))
            return varDisplayValue;
        return oDate.toDateTime();
    }
    default:
        BSS_ASSERT_REPORT("Unknown quantity.", "KTX_UTI_UnitConverter", __LINE__);
        return varDisplayValue;
    }
}

QString unitText(int iQuantity, const QVariant& varUnit)
{
    const int iUnit = varUnit.toInt();
    switch (iQuantity) {
    case Q_Distance:
        return distanceUnitText(iUnit);
    case Q_Angle:
        return angleUnitText(iUnit);
    case Q_Temperature:
        return temperatureUnitText(iUnit);
    case Q_Pressure:
        return pressureUnitText(iUnit);
    case Q_Time:
    case Q_Date:
        return QString();
    default:
        BSS_ASSERT_REPORT("Unknown quantity.", "KTX_UTI_UnitConverter", __LINE__);
        return unknownUnitText();
    }
}

} // namespace UnitConverter
} // namespace UTI
} // namespace KTX
