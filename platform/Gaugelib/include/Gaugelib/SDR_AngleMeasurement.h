#pragma once
// The angle measurement record of the sensor: horizontal and vertical (zenith) angle in radians,
// each with its validity flag. A plain value.

namespace SDR {

class AngleMeasurementC
{
public:
    enum FlagE
    {
        FLAG_HZ_VALID = 0x1,
        FLAG_V_VALID = 0x2
    };

    unsigned getFlags() const { return m_uFlags; }
    void setFlags(unsigned uFlags) { m_uFlags = uFlags; }
    double getHz() const { return m_dHz; }
    void setHz(double dHz) { m_dHz = dHz; }
    double getV() const { return m_dV; }
    void setV(double dV) { m_dV = dV; }

private:
    unsigned m_uFlags = 0;
    double m_dHz = 0.0;
    double m_dV = 0.0;
};

} // namespace SDR
