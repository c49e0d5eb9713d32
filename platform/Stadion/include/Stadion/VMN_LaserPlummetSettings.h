#pragma once
// The laser plummet's stored settings: its intensity in percent, 0 (off) to 100.
#include "Marrowlib/CCF_ParameterRecord.h"

namespace VMN {

class LaserPlummetSettingsC : public CCF::ParameterRecordC
{
public:
    // Opens the settings; load() reads what is stored.
    explicit LaserPlummetSettingsC(int iMode);
    ~LaserPlummetSettingsC() override;

    int getIntensity() const;
    void setIntensity(int iIntensity);
};

} // namespace VMN
