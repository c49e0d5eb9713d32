#include "Stadion/VSC_InstrumentInformation.h"

#include "Marrowlib/CCF_OptionRegistry.h"
#include "SimInstrument/VSIM_Settings.h"

namespace VSC {

InstrumentInformationC::InstrumentInformationC()
    : m_uOptions(0)
    , m_iDistanceMeterType(VSIM::SettingsC::intValue(QStringLiteral("Identity/EdmType")))
    , m_dAngleAccuracy(VSIM::SettingsC::doubleValue(QStringLiteral("Identity/AngleAccuracy")))
{
    if (VSIM::SettingsC::boolValue(QStringLiteral("LaserPlummet/Option")))
        m_uOptions |= INSTRUMENT_OPTION_LASER_PLUMMET;
    if (CCF::OptionRegistryC::isInstalled(CCF::OPTION_TREVO360))
        m_uOptions |= INSTRUMENT_OPTION_TREVO360;
    if (CCF::OptionRegistryC::isInstalled(CCF::OPTION_OVERVIEW_CAMERA))
        m_uOptions |= INSTRUMENT_OPTION_OVERVIEW_CAMERA;
}

bool InstrumentInformationC::hasOption(unsigned int uMask) const
{
    return uMask != 0 && (m_uOptions & uMask) == uMask;
}

int InstrumentInformationC::getDistanceMeterType() const
{
    return m_iDistanceMeterType;
}

double InstrumentInformationC::getAngleAccuracy() const
{
    return m_dAngleAccuracy;
}

} // namespace VSC
