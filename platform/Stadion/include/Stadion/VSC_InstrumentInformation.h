#pragma once
// What the instrument is: its distance meter, its angle accuracy and its hardware options, as
// read when the object is made.

namespace VSC {

enum DistanceMeterTypeE { DISTANCE_METER_NONE = 0, DISTANCE_METER_STANDARD = 70, DISTANCE_METER_LONG_RANGE = 78 };

// Masks of the option test.
enum InstrumentOptionE {
    INSTRUMENT_OPTION_LASER_PLUMMET = 0x80,
    INSTRUMENT_OPTION_TREVO360 = 0x100,
    INSTRUMENT_OPTION_OVERVIEW_CAMERA = 0x200
};

class InstrumentInformationC
{
public:
    InstrumentInformationC();

    // True when the instrument has every option of the mask.
    bool hasOption(unsigned int uMask) const;
    int getDistanceMeterType() const;
    // Seconds of arc.
    double getAngleAccuracy() const;

private:
    unsigned int m_uOptions;
    int m_iDistanceMeterType;
    double m_dAngleAccuracy;
};

} // namespace VSC
