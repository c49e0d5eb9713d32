#pragma once
// The display units the user chose, and the date format, kept in configuration record (2, 1).
//
// Record versions: 1 holds distance, angle, temperature and pressure unit; 2 adds the date format.
// Version 2 is written. Unit codes are those of the unit converter, date formats those of DateC.
// The setters store any code; a stored record with a code outside the tables reads as damaged.
#include "KTX/UTI/KTX_UTI_ConfigBase.h"

namespace KTX {
namespace UTI {

class UnitConfigC : public ConfigBaseC
{
public:
    // All fields 0 (no unit) until load() or setToDefault().
    UnitConfigC() = default;

    enum LoadResultE
    {
        LOAD_STORED, // the stored values are in force
        LOAD_MISSING, // nothing stored: the factory values
        LOAD_DAMAGED // a stored record is unusable: the factory values, to be stored again
    };

    // A record that is missing, damaged, of a version below 1, shorter than its version promises
    // or with a code outside its table leaves the factory values; all but a missing one are traced.
    void load() override;
    LoadResultE loadRecord();
    bool save() override;
    // Metre, gon, degree Celsius, hectopascal, day.month.year.
    void setToDefault() override;

    int getDistanceUnit() const { return m_iDistanceUnit; }
    void setDistanceUnit(int iUnit) { m_iDistanceUnit = iUnit; }
    int getAngleUnit() const { return m_iAngleUnit; }
    void setAngleUnit(int iUnit) { m_iAngleUnit = iUnit; }
    int getTemperatureUnit() const { return m_iTemperatureUnit; }
    void setTemperatureUnit(int iUnit) { m_iTemperatureUnit = iUnit; }
    int getPressureUnit() const { return m_iPressureUnit; }
    void setPressureUnit(int iUnit) { m_iPressureUnit = iUnit; }
    int getDateFormat() const { return m_iDateFormat; }
    void setDateFormat(int iDateFormat) { m_iDateFormat = iDateFormat; }

    static constexpr int RECORD_ID1 = 2;
    static constexpr int RECORD_ID2 = 1;
    static constexpr int RECORD_VERSION = 2;

private:
    int m_iDistanceUnit = 0;
    int m_iAngleUnit = 0;
    int m_iTemperatureUnit = 0;
    int m_iPressureUnit = 0;
    int m_iDateFormat = 0;
};

} // namespace UTI
} // namespace KTX
