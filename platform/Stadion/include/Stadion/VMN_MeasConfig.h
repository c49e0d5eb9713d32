#pragma once
// The sensor's measurement configuration: what a running measurement measures.
namespace VMN {

class MeasConfigC
{
public:
    // Angles and inclinations continuously, as calibration and levelling need them.
    static constexpr int MODE_CONTINUOUS = 1;

    // Reads the configuration in force; true on success.
    bool Get();
    int getMode() const { return m_iMode; }
    void setMode(int iMode) { m_iMode = iMode; }
    // Puts the configuration in force; false for a mode the sensor does not know.
    bool Activate();

private:
    int m_iMode = 0;
};

} // namespace VMN
