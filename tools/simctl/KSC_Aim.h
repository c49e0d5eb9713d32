#pragma once
// Where the telescope points: horizontal and zenith angle with their units, such as 0gon 50gon or
// 10deg 95deg.
#include <QString>

namespace KSC {

// "Hz = 0.0000 gon (0 rad)   V = ..." for the telescope now.
QString aimText();
// Turns the telescope in one change; 0 on success, else 1 with the reason printed.
int setAim(const QString& strHz, const QString& strV);

} // namespace KSC
