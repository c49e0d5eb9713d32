#include "Stadion/VMN_LaserPlummetSettings.h"

namespace VMN {

LaserPlummetSettingsC::LaserPlummetSettingsC(int iMode)
    : CCF::ParameterRecordC({QStringLiteral("LaserPlummet/Intensity")})
{
    (void)iMode;
}

LaserPlummetSettingsC::~LaserPlummetSettingsC() = default;

int LaserPlummetSettingsC::getIntensity() const
{
    return field(0).toInt();
}

void LaserPlummetSettingsC::setIntensity(int iIntensity)
{
    setField(0, iIntensity);
}

} // namespace VMN
