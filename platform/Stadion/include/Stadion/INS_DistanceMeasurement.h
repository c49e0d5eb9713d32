#pragma once
// The distance meter of the instrument, as far as the correction of its distances needs it.

namespace INS {

class DistanceMeasurementC
{
public:
    enum ResultE
    {
        RC_OK = 0,
        RC_NO_SUCH_INSTRUMENT = 4
    };

    // iInstrument 1: the instrument's own distance meter.
    explicit DistanceMeasurementC(int iInstrument);

    // The wavelength of the light it measures with, in metres.
    int getCarrierWavelength(double& rdWavelength) const;

    // The carrier wavelength that atmospheric corrections are computed for: the distance
    // meter's, or 0.7 µm when it names none or one the atmosphere does not know.
    static constexpr double FALLBACK_WAVELENGTH = 7e-07;
    double getCorrectionWavelength() const;

private:
    int m_iInstrument;
};

} // namespace INS
