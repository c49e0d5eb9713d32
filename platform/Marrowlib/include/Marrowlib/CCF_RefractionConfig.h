#pragma once
// The refraction configuration of the instrument: whether measured heights are corrected for the
// refraction of the line of sight, and with which coefficient. Kept as a persistent record.

namespace CCF {

class RefractionConfigC
{
public:
    enum ResultE
    {
        RC_OK = 0,
        // The stored record is unusable; the factory values are handed out instead.
        RC_DAMAGED = 1,
        RC_INVALID = 2,
        RC_WRITE_FAILED = 3
    };

    static constexpr bool FACTORY_ON = true;
    static constexpr double FACTORY_COEFFICIENT = 0.13;

    // The stored switch and coefficient, or the factory values when nothing is stored (RC_OK)
    // or the record is unusable (RC_DAMAGED).
    int read(bool& rbOn, double& rdCoefficient) const;
    // RC_OK only when the record is on the device; a coefficient that is no number is refused.
    int write(bool bOn, double dCoefficient) const;
};

} // namespace CCF
