#pragma once
// The atmospheric part of the instrument's correction data: the air the distances are corrected
// for, the resulting correction in ppm, when it was set, and the refraction coefficient applied.
// A plain value: what is set is read back.

namespace SDR {

class AtmosphericCorrectionC
{
public:
    enum FlagE
    {
        // The ppm is computed from temperature, pressure and humidity (not entered as a number).
        FLAG_PPM_FROM_ATMOSPHERE = 2
    };

    AtmosphericCorrectionC();

    int getFlags() const { return m_iFlags; }
    void setFlags(int iFlags) { m_iFlags = iFlags; }
    // Degrees Celsius.
    double getDryTemperature() const { return m_dDryTemperature; }
    void setDryTemperature(double dTemperature) { m_dDryTemperature = dTemperature; }
    // Millibar.
    double getPressure() const { return m_dPressure; }
    void setPressure(double dPressure) { m_dPressure = dPressure; }
    // Degrees Celsius; stands for the humidity.
    double getWetTemperature() const { return m_dWetTemperature; }
    void setWetTemperature(double dTemperature) { m_dWetTemperature = dTemperature; }
    float getPpm() const { return m_fPpm; }
    void setPpm(float fPpm) { m_fPpm = fPpm; }
    // The platform's date-time number of the last change.
    double getTimeStamp() const { return m_dTimeStamp; }
    void setTimeStamp(double dTimeStamp) { m_dTimeStamp = dTimeStamp; }
    double getRefractionCoefficient() const { return m_dRefractionCoefficient; }
    void setRefractionCoefficient(double dCoefficient) { m_dRefractionCoefficient = dCoefficient; }

private:
    int m_iFlags;
    double m_dDryTemperature;
    double m_dPressure;
    double m_dWetTemperature;
    float m_fPpm;
    double m_dTimeStamp;
    double m_dRefractionCoefficient;
};

} // namespace SDR
