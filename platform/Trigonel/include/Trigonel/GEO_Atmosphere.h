#pragma once
// The atmosphere of the geodetic library: height and air pressure, humidity and the wet-bulb
// temperature of a psychrometer, and the atmospheric correction of distances measured with light.
//
// Units: metres, degrees Celsius, millibar (= hectopascal), percent, wavelengths in metres, ppm.
// Every function returns false, and leaves its result unchanged, outside its domain below; the
// domains are those of the instrument's atmospheric correction, so that a height and the pressure
// it stands for are both inside them or neither is.
namespace GEO {

constexpr double MIN_HEIGHT = -2000.0;
constexpr double MAX_HEIGHT = 10000.0;
constexpr double MIN_PRESSURE = 289.8;
constexpr double MAX_PRESSURE = 1301.4;
constexpr double MIN_TEMPERATURE = -50.0;
constexpr double MAX_TEMPERATURE = 70.0;
constexpr double MIN_HUMIDITY = 0.0;
constexpr double MAX_HUMIDITY = 100.0;
// Visible and near infrared light: the scope of the group refractivity formula.
constexpr double MIN_WAVELENGTH = 0.4e-6;
constexpr double MAX_WAVELENGTH = 1.1e-6;

// The reference atmosphere of the distance meter: at 12 °C, 1013.25 mbar and 60 % the
// correction is 0 ppm, whatever the carrier wavelength.
constexpr double REFERENCE_TEMPERATURE = 12.0;
constexpr double REFERENCE_PRESSURE = 1013.25;
constexpr double REFERENCE_HUMIDITY = 60.0;

// Height above mean sea level and pressure in the standard atmosphere.
bool heightToPressure(double dHeight, double& rdPressure);
bool pressureToHeight(double dPressure, double& rdHeight);

// Relative humidity from the readings of a ventilated psychrometer.
bool relativeHumidity(double dPressure, double dWetTemperature, double dDryTemperature, double& rdHumidity);
// The wet-bulb temperature that a ventilated psychrometer shows in air of that humidity.
bool wetBulbTemperature(double dPressure, double dDryTemperature, double dHumidity, double& rdWetTemperature);

bool isWavelengthValid(double dWavelength);
// The correction of a distance measured at that carrier wavelength, in parts per million of the
// distance: positive when the air is thinner than the reference atmosphere.
bool atmosphericPpm(double dPressure, double dDryTemperature, double dWetTemperature, double dWavelength,
                    double& rdPpm);

} // namespace GEO
