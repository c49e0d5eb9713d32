#pragma once
// What the instrument has and is, as the status controller reports it.
namespace VMN {

class InstrumentInfoC
{
public:
    static constexpr unsigned OPTION_LASER_PLUMMET = 0x80;
    static constexpr unsigned OPTION_TREVO360 = 0x100;
    static constexpr unsigned OPTION_OVERVIEW_CAMERA = 0x200;

    // Distance meter types: none, and the two variants.
    enum DistanceMeterTypeE { DISTANCE_METER_NONE = 0, DISTANCE_METER_STANDARD = 70, DISTANCE_METER_LONG_RANGE = 78 };

    InstrumentInfoC() = default;

    // True when every option of the mask is installed; false while the information is unfilled.
    bool hasOption(unsigned uOptionMask) const { return uOptionMask != 0 && (m_uOptions & uOptionMask) == uOptionMask; }
    unsigned getOptions() const { return m_uOptions; }
    void setOptions(unsigned uOptions) { m_uOptions = uOptions; }

    int getDistanceMeterType() const { return m_iDistanceMeterType; }
    void setDistanceMeterType(int iType) { m_iDistanceMeterType = iType; }
    // Seconds of arc.
    double getAngleAccuracy() const { return m_dAngleAccuracy; }
    void setAngleAccuracy(double dArcSeconds) { m_dAngleAccuracy = dArcSeconds; }

private:
    unsigned m_uOptions = 0;
    int m_iDistanceMeterType = DISTANCE_METER_NONE;
    double m_dAngleAccuracy = 0.0;
};

} // namespace VMN
