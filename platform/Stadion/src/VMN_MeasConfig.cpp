#include "Stadion/VMN_MeasConfig.h"

namespace VMN {

bool MeasConfigC::Get()
{
    // The simulated sensor always measures continuously.
    m_iMode = MODE_CONTINUOUS;
    return true;
}

bool MeasConfigC::Activate()
{
    return m_iMode == MODE_CONTINUOUS;
}

} // namespace VMN
