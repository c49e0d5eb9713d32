#pragma once
// Temperature and pressure conversions of the conversion library. Degrees Celsius and millibar
// are the instrument's internal units.

namespace CNV {

// Conventional millimetre of mercury = 133.322387415 Pa; the inch of mercury is 25.4 of them.
constexpr double MILLIBAR_PER_MMHG = 1.33322387415;
constexpr double MILLIBAR_PER_INHG = MILLIBAR_PER_MMHG * 25.4;

double celsiusToFahrenheit(double dCelsius);
double fahrenheitToCelsius(double dFahrenheit);

double millibarToMmHg(double dMillibar);
double mmHgToMillibar(double dMmHg);
double millibarToInHg(double dMillibar);
double inHgToMillibar(double dInHg);

} // namespace CNV
