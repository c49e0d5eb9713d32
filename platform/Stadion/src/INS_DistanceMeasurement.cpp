#include "Stadion/INS_DistanceMeasurement.h"

namespace INS {

namespace {
// The red laser of the simulated distance meter.
constexpr double CARRIER_WAVELENGTH = 0.658e-6;
} // namespace

DistanceMeasurementC::DistanceMeasurementC(int iInstrument)
    : m_iInstrument(iInstrument)
{
}

int DistanceMeasurementC::getCarrierWavelength(double& rdWavelength) const
{
    if (m_iInstrument != 1)
        return RC_NO_SUCH_INSTRUMENT;
    rdWavelength = CARRIER_WAVELENGTH;
    return RC_OK;
}

} // namespace INS
