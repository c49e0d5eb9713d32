#include "Pelletlib/CNV_Atmosphere.h"

namespace CNV {

double celsiusToFahrenheit(double dCelsius)
{
    return dCelsius * 9.0 / 5.0 + 32.0;
}

double fahrenheitToCelsius(double dFahrenheit)
{
    return (dFahrenheit - 32.0) * 5.0 / 9.0;
}

double millibarToMmHg(double dMillibar)
{
    return dMillibar / MILLIBAR_PER_MMHG;
}

double mmHgToMillibar(double dMmHg)
{
    return dMmHg * MILLIBAR_PER_MMHG;
}

double millibarToInHg(double dMillibar)
{
    return dMillibar / MILLIBAR_PER_INHG;
}

double inHgToMillibar(double dInHg)
{
    return dInHg * MILLIBAR_PER_INHG;
}

} // namespace CNV
