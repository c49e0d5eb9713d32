#pragma once
// What the instrument has, as the status controller reports it.
namespace VMN {

class InstrumentInfoC
{
public:
    static constexpr unsigned OPTION_LASER_PLUMMET = 0x80;

    InstrumentInfoC() = default;

    // True when every option of the mask is installed; false while the information is unfilled.
    bool hasOption(unsigned uOptionMask) const { return uOptionMask != 0 && (m_uOptions & uOptionMask) == uOptionMask; }
    unsigned getOptions() const { return m_uOptions; }
    void setOptions(unsigned uOptions) { m_uOptions = uOptions; }

private:
    unsigned m_uOptions = 0;
};

} // namespace VMN
