#include "Gaugelib/SDR_AtmosphericCorrection.h"

namespace SDR {

// Filled by whoever fetches the instrument's correction data; all zero until then.
AtmosphericCorrectionC::AtmosphericCorrectionC()
    : m_iFlags(0)
    , m_dDryTemperature(0.0)
    , m_dPressure(0.0)
    , m_dWetTemperature(0.0)
    , m_fPpm(0.0f)
    , m_dTimeStamp(0.0)
    , m_dRefractionCoefficient(0.0)
{
}

} // namespace SDR
