#pragma once
// Conversion between the internal unit of a quantity and the unit the user chose for display.
//
// Internal units: metres, radians, degrees Celsius, millibar, and the platform's date-time number
// for times and dates. Values travel as QVariant; the unit is a QVariant holding the unit code.
// The display value is a double, except for degrees-minutes-seconds (DegreeMinuteSecondC),
// foot-inch-sixteenth (UsFootInch16thC), time (TimeC) and date (DateC).
#include <QString>
#include <QVariant>

namespace KTX {
namespace UTI {

enum QuantityE {
    Q_Distance = 0,
    Q_Angle = 1,
    Q_Temperature = 2,
    Q_Pressure = 3,
    Q_Time = 4,
    Q_Date = 5
};

// Unit codes, one numbering per quantity; these are the values kept in the unit configuration.
enum DistanceUnitE {
    DU_Metre = 1,
    DU_InternationalFoot = 2,
    DU_UsSurveyFoot = 3,
    DU_UsFootInch16th = 4
};
enum AngleUnitE { AU_Gon = 1, AU_DegreeMinuteSecond = 2, AU_Degree = 3, AU_Mil = 4 };
enum TemperatureUnitE { TU_Celsius = 1, TU_Fahrenheit = 2 };
enum PressureUnitE { PU_Millibar = 1, PU_MmHg = 2, PU_InHg = 3, PU_Hectopascal = 4 };

namespace UnitConverter {

// An unknown quantity or unit is reported and gives the value back unchanged.
QVariant toDisplay(int iQuantity, const QVariant& varValue, const QVariant& varUnit);
// The internal value as a double; failures as for toDisplay.
QVariant fromDisplay(int iQuantity, const QVariant& varDisplayValue, const QVariant& varUnit);
// The text shown beside a value: empty for times, dates and degrees-minutes-seconds, "----" with a
// report for an unknown quantity or unit.
QString unitText(int iQuantity, const QVariant& varUnit);

} // namespace UnitConverter
} // namespace UTI
} // namespace KTX
