#pragma once
// The instrument's correction data: the atmospheric values that its distance meter corrects
// measured distances with. Kept as a persistent record of the instrument; every program on the
// instrument that changes it writes it here, and every program hears of the change (Marrowlib's
// correction-data notification).
#include "Gaugelib/SDR_AtmosphericCorrection.h"

#include <QString>

namespace INS {

class CorrectionDataC
{
public:
    enum ResultE
    {
        RC_OK = 0,
        // The stored record is unusable; the factory values are handed out instead.
        RC_DAMAGED = 1,
        // Values no instrument can correct for (outside the atmosphere's domains); nothing stored.
        RC_INVALID = 2,
        RC_WRITE_FAILED = 3,
        // Only the distance meter 1 has correction data.
        RC_NO_SUCH_INSTRUMENT = 4
    };

    // iInstrument 1: the instrument's own distance meter.
    explicit CorrectionDataC(int iInstrument);
    ~CorrectionDataC();

    // The stored correction data, or the factory values when nothing is stored (RC_OK) or the
    // record is unusable (RC_DAMAGED).
    int fetch(SDR::AtmosphericCorrectionC& rData) const;
    // Replaces the stored record durably; RC_OK only when it is on the device.
    int store(const SDR::AtmosphericCorrectionC& rData) const;

    // 12 °C, 1013.25 mbar, the wet bulb of 60 %, 0 ppm computed from the atmosphere, k = 0.13.
    static SDR::AtmosphericCorrectionC factoryValues();
    // Temperature, pressure and wet bulb inside the domains of the atmosphere's conversions,
    // every number finite.
    static bool isValid(const SDR::AtmosphericCorrectionC& rData);
    static QString recordPath();

    // Other air for the data, as a program that measured it sets it: the relative humidity stays,
    // and a ppm computed from the atmosphere follows. False, and the data unchanged, when the
    // atmosphere has no values for that air.
    static bool changeAtmosphere(SDR::AtmosphericCorrectionC& rData, double dTemperature, double dPressure);

private:
    int m_iInstrument;
};

} // namespace INS
