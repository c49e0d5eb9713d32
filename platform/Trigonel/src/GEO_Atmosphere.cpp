#include "Trigonel/GEO_Atmosphere.h"

#include <algorithm>
#include <cmath>

namespace GEO {

namespace {

bool inRange(double dValue, double dMinimum, double dMaximum)
{
    // NaN is in no range.
    return dValue >= dMinimum && dValue <= dMaximum;
}

bool isHeight(double dHeight)
{
    return inRange(dHeight, MIN_HEIGHT, MAX_HEIGHT);
}

bool isPressure(double dPressure)
{
    return inRange(dPressure, MIN_PRESSURE, MAX_PRESSURE);
}

bool isTemperature(double dTemperature)
{
    return inRange(dTemperature, MIN_TEMPERATURE, MAX_TEMPERATURE);
}

// A wet bulb is never warmer than the air around it; the allowance covers rounding only.
constexpr double WET_BULB_ALLOWANCE = 1e-9;
// The coldest wet bulb looked for: below the driest air at the lowest temperature.
constexpr double WET_BULB_DEPRESSION_MAX = 100.0;

bool isWetBulb(double dWetTemperature, double dDryTemperature)
{
    return std::isfinite(dWetTemperature) && dWetTemperature <= dDryTemperature + WET_BULB_ALLOWANCE
        && dWetTemperature >= dDryTemperature - WET_BULB_DEPRESSION_MAX;
}

// International Standard Atmosphere, troposphere (ICAO Doc 7488, ISO 2533):
//   p = p0 (1 - L h / T0)^(g0 / (R L)), p0 = 1013.25 hPa, T0 = 288.15 K, L = 0.0065 K/m,
//   g0 = 9.80665 m/s², R = 287.05287 J/(kg K) (dry air).
constexpr double ISA_PRESSURE = 1013.25;
constexpr double ISA_TEMPERATURE = 288.15;
constexpr double ISA_LAPSE_RATE = 0.0065;
constexpr double ISA_EXPONENT = 9.80665 / (287.05287 * ISA_LAPSE_RATE);

// Saturation vapour pressure over water, Magnus formula with the coefficients of Sonntag (1990)
// that WMO-No. 8 (Guide to Instruments and Methods of Observation, annex 4.B) gives:
//   E(t) = 6.112 exp(17.62 t / (243.12 + t)) hPa.
// The same curve is used below 0 °C (a supercooled wet bulb), so that humidity and wet-bulb
// temperature convert into each other exactly; the enhancement factor of moist air (below 0.5 %)
// is left out.
double saturationVapourPressure(double dTemperature)
{
    return 6.112 * std::exp(17.62 * dTemperature / (243.12 + dTemperature));
}

// Psychrometer equation of a ventilated (Assmann) psychrometer, WMO-No. 8 annex 4.B:
//   e = E(tw) - A p (t - tw), A = 6.53e-4 (1 + 0.000944 tw) per kelvin.
double psychrometerVapourPressure(double dPressure, double dDryTemperature, double dWetTemperature)
{
    const double dA = 6.53e-4 * (1.0 + 0.000944 * dWetTemperature);
    return saturationVapourPressure(dWetTemperature) - dA * dPressure * (dDryTemperature - dWetTemperature);
}

// Water vapour pressures that differ from the driest air by rounding only count as dry air.
constexpr double VAPOUR_PRESSURE_ALLOWANCE = 1e-9;

bool vapourPressure(double dPressure, double dDryTemperature, double dWetTemperature, double& rdVapourPressure)
{
    const double dVapour = psychrometerVapourPressure(dPressure, dDryTemperature, dWetTemperature);
    if (!(dVapour >= -VAPOUR_PRESSURE_ALLOWANCE))
        return false;
    rdVapourPressure = std::max(dVapour, 0.0);
    return true;
}

// Group refractivity of light in standard air (0 °C, 1013.25 hPa, dry, 375 ppm CO2), resolution
// of the IAG general assembly 1999 (Rüeger, "Refractive indices of light, infrared and radio waves
// in the atmosphere", 2002), wavelength in micrometres:
//   Ng = 287.6155 + 4.88660 / λ² + 0.06800 / λ⁴.
double standardGroupRefractivity(double dWavelength)
{
    const double dMicrometres2 = (dWavelength * 1e6) * (dWavelength * 1e6);
    return 287.6155 + 4.88660 / dMicrometres2 + 0.06800 / (dMicrometres2 * dMicrometres2);
}

// Reduced to the actual air with the formula of Barrell and Sears (1939), as the resolution does:
//   N = (273.15 / 1013.25) Ng p / T - 11.27 e / T, T in kelvin, p and e in hPa.
double groupRefractivity(double dWavelength, double dPressure, double dTemperature, double dVapourPressure)
{
    const double dKelvin = dTemperature + 273.15;
    return (273.15 / 1013.25) * standardGroupRefractivity(dWavelength) * dPressure / dKelvin
        - 11.27 * dVapourPressure / dKelvin;
}

} // namespace

bool heightToPressure(double dHeight, double& rdPressure)
{
    if (!isHeight(dHeight))
        return false;
    const double dPressure =
        ISA_PRESSURE * std::pow(1.0 - ISA_LAPSE_RATE * dHeight / ISA_TEMPERATURE, ISA_EXPONENT);
    if (!isPressure(dPressure))
        return false;
    rdPressure = dPressure;
    return true;
}

bool pressureToHeight(double dPressure, double& rdHeight)
{
    if (!isPressure(dPressure))
        return false;
    const double dHeight =
        ISA_TEMPERATURE / ISA_LAPSE_RATE * (1.0 - std::pow(dPressure / ISA_PRESSURE, 1.0 / ISA_EXPONENT));
    if (!isHeight(dHeight))
        return false;
    rdHeight = dHeight;
    return true;
}

bool relativeHumidity(double dPressure, double dWetTemperature, double dDryTemperature, double& rdHumidity)
{
    if (!isPressure(dPressure) || !isTemperature(dDryTemperature) || !isWetBulb(dWetTemperature, dDryTemperature))
        return false;
    double dVapour = 0.0;
    if (!vapourPressure(dPressure, dDryTemperature, dWetTemperature, dVapour))
        return false;
    rdHumidity = std::min(100.0 * dVapour / saturationVapourPressure(dDryTemperature), MAX_HUMIDITY);
    return true;
}

bool wetBulbTemperature(double dPressure, double dDryTemperature, double dHumidity, double& rdWetTemperature)
{
    if (!isPressure(dPressure) || !isTemperature(dDryTemperature) || !inRange(dHumidity, MIN_HUMIDITY, MAX_HUMIDITY))
        return false;
    // The psychrometer's vapour pressure grows with the wet-bulb temperature, from below the
    // driest air at the bottom of the interval to saturation at the dry temperature: bisection.
    const double dVapour = dHumidity / 100.0 * saturationVapourPressure(dDryTemperature);
    double dLow = dDryTemperature - WET_BULB_DEPRESSION_MAX;
    double dHigh = dDryTemperature;
    if (psychrometerVapourPressure(dPressure, dDryTemperature, dLow) > dVapour)
        return false;
    for (int i = 0; i < 200 && dHigh - dLow > 1e-12; ++i) {
        const double dMiddle = 0.5 * (dLow + dHigh);
        if (psychrometerVapourPressure(dPressure, dDryTemperature, dMiddle) < dVapour)
            dLow = dMiddle;
        else
            dHigh = dMiddle;
    }
    rdWetTemperature = 0.5 * (dLow + dHigh);
    return true;
}

bool isWavelengthValid(double dWavelength)
{
    return inRange(dWavelength, MIN_WAVELENGTH, MAX_WAVELENGTH);
}

bool atmosphericPpm(double dPressure, double dDryTemperature, double dWetTemperature, double dWavelength,
                    double& rdPpm)
{
    if (!isPressure(dPressure) || !isTemperature(dDryTemperature) || !isWetBulb(dWetTemperature, dDryTemperature)
        || !isWavelengthValid(dWavelength))
        return false;
    double dVapour = 0.0;
    if (!vapourPressure(dPressure, dDryTemperature, dWetTemperature, dVapour))
        return false;
    const double dReferenceVapour = REFERENCE_HUMIDITY / 100.0 * saturationVapourPressure(REFERENCE_TEMPERATURE);
    const double dReference =
        groupRefractivity(dWavelength, REFERENCE_PRESSURE, REFERENCE_TEMPERATURE, dReferenceVapour);
    const double dActual = groupRefractivity(dWavelength, dPressure, dDryTemperature, dVapour);
    // The distance meter counts in the reference atmosphere: D = D' n_ref / n.
    rdPpm = ((1.0 + dReference * 1e-6) / (1.0 + dActual * 1e-6) - 1.0) * 1e6;
    return true;
}

} // namespace GEO
