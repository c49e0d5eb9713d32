#pragma once
// Angles in radians: reduction into one turn and closed intervals of directions.

namespace GEO {

constexpr double PI = 3.141592653589793;

// Into -pi to pi, in place; false (and unchanged) for a value that is no number or infinite.
bool reduceAngle(double& rdAngle);
// Into 0 to 2 pi, in place; false as above.
bool reduceAngleFull(double& rdAngle);

// The closed interval from the lower to the upper limit.
class AngleIntervalC
{
public:
    AngleIntervalC(double dLower, double dUpper);

    double lower() const { return m_dLower; }
    double upper() const { return m_dUpper; }
    bool contains(double dAngle) const;

private:
    double m_dLower;
    double m_dUpper;
};

} // namespace GEO
