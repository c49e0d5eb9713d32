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

private:
    int m_iInstrument;
};

} // namespace INS
