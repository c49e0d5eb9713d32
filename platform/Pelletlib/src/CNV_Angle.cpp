#include "Pelletlib/CNV_Angle.h"

#include <climits>
#include <cmath>

namespace CNV {

namespace {
constexpr double kPi = 3.141592653589793;
constexpr long long kMicroSecondsPerSecond = 1000000;
constexpr long long kMicroSecondsPerMinute = 60 * kMicroSecondsPerSecond;
constexpr long long kMicroSecondsPerDegree = 60 * kMicroSecondsPerMinute;
} // namespace

bool splitRadians(double dRadians, AngleDmsS& rsDms)
{
    rsDms = AngleDmsS();
    if (!std::isfinite(dRadians))
        return false;
    const double dDegrees = std::fabs(dRadians) * 180.0 / kPi;
    if (dDegrees >= double(INT_MAX))
        return false;
    // Whole degrees up to INT_MAX times 3.6e9 still fit a 64-bit integer.
    const long long llMicro = std::llround(dDegrees * double(kMicroSecondsPerDegree));
    rsDms.iDegrees = static_cast<int>(llMicro / kMicroSecondsPerDegree);
    rsDms.iMinutes = static_cast<int>((llMicro % kMicroSecondsPerDegree) / kMicroSecondsPerMinute);
    rsDms.dSeconds = double(llMicro % kMicroSecondsPerMinute) / double(kMicroSecondsPerSecond);
    rsDms.iSign = llMicro == 0 ? 0 : (dRadians < 0.0 ? -1 : 1);
    return true;
}

} // namespace CNV
