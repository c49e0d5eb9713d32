#pragma once
// The instrument's tilt as an operator gives it: an angle with its unit, such as 0.05gon,
// -0.02gon, 0.3mrad, 12mgon or 0.01deg.
#include <QString>

namespace KSC {

// The angle in radians; false with the reason in rstrError for a text that is none.
bool parseAngle(const QString& strText, double& rdRadians, QString& rstrError);
// "L = 0.0500 gon (0.000785398 rad)   T = ..." for the current tilt.
QString tiltText();
// Sets both inclinations in one change; 0 on success, else 1 with the reason printed.
int setTilt(const QString& strL, const QString& strT);

} // namespace KSC
