#pragma once
// Sexagesimal split of angles of the conversion library.

namespace CNV {

// The angle's sign (-1, 0 or +1) and its magnitude as whole degrees, whole minutes (0-59) and
// seconds with their fraction (0 to below 60).
struct AngleDmsS
{
    int iSign = 0;
    int iDegrees = 0;
    int iMinutes = 0;
    double dSeconds = 0.0;
};

// Splits an angle in radians (pi = 3.141592653589793). The seconds are rounded to the nearest
// micro-second of arc first, so that the rounding error of the radian value does not turn an exact
// 90 degrees into 89 59 59.999...; the sign is 0 when that rounded magnitude is zero. An angle that
// is not finite or whose degrees do not fit an int gives false and a zero split.
bool splitRadians(double dRadians, AngleDmsS& rsDms);

} // namespace CNV
