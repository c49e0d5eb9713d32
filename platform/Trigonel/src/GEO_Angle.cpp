#include "Trigonel/GEO_Angle.h"

#include <cmath>

namespace GEO {

bool reduceAngle(double& rdAngle)
{
    if (!std::isfinite(rdAngle))
        return false;
    double dAngle = std::fmod(rdAngle, 2.0 * PI);
    if (dAngle > PI)
        dAngle -= 2.0 * PI;
    else if (dAngle <= -PI)
        dAngle += 2.0 * PI;
    rdAngle = dAngle;
    return true;
}

bool reduceAngleFull(double& rdAngle)
{
    if (!std::isfinite(rdAngle))
        return false;
    double dAngle = std::fmod(rdAngle, 2.0 * PI);
    if (dAngle < 0.0)
        dAngle += 2.0 * PI;
    rdAngle = dAngle;
    return true;
}

AngleIntervalC::AngleIntervalC(double dLower, double dUpper)
    : m_dLower(dLower)
    , m_dUpper(dUpper)
{
}

bool AngleIntervalC::contains(double dAngle) const
{
    return dAngle >= m_dLower && dAngle <= m_dUpper;
}

} // namespace GEO
