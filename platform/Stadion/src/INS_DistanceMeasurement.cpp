#include "Stadion/INS_DistanceMeasurement.h"

#include "SimInstrument/VSIM_Settings.h"
#include "Trigonel/GEO_Atmosphere.h"

namespace INS {

DistanceMeasurementC::DistanceMeasurementC(int iInstrument)
    : m_iInstrument(iInstrument)
{
}

int DistanceMeasurementC::getCarrierWavelength(double& rdWavelength) const
{
    if (m_iInstrument != 1)
        return RC_NO_SUCH_INSTRUMENT;
    // The simulated distance meter's setting is in micrometres.
    rdWavelength = VSIM::SettingsC::doubleValue(QStringLiteral("EDM/CarrierWavelength")) * 1e-6;
    return RC_OK;
}

double DistanceMeasurementC::getCorrectionWavelength() const
{
    double dWavelength = 0.0;
    if (getCarrierWavelength(dWavelength) != RC_OK || !GEO::isWavelengthValid(dWavelength))
        return FALLBACK_WAVELENGTH;
    return dWavelength;
}

} // namespace INS
