#pragma once
// A time of day as shown and typed by the user. Text form: 08:05:00.
#include "KTX/UTI/KTX_UTI_FormatMetaType.h"

#include <QString>

namespace KTX {
namespace UTI {

class TimeC
{
public:
    TimeC() = default;
    TimeC(int iHour, int iMinute, int iSecond);

    // The time of day of a platform date-time number (00:00:00 if the number is unusable).
    static TimeC fromDateTime(double dDateTime);
    // This time on 2000-01-01.
    double toDateTime() const;

    int getHour() const { return m_iHour; }
    int getMinute() const { return m_iMinute; }
    int getSecond() const { return m_iSecond; }

    // "hh:mm:ss" with up to two digits per field, empty fields count as 0. On failure the
    // previous value stays.
    bool fromString(const QString& strText);
    QString toString() const;

    bool operator==(const TimeC& rOther) const;
    bool operator!=(const TimeC& rOther) const { return !(*this == rOther); }
    bool operator<(const TimeC& rOther) const;
    bool operator<=(const TimeC& rOther) const { return !(rOther < *this); }
    bool operator>(const TimeC& rOther) const { return rOther < *this; }
    bool operator>=(const TimeC& rOther) const { return !(*this < rOther); }

private:
    int m_iHour = 0;
    int m_iMinute = 0;
    int m_iSecond = 0;
};

} // namespace UTI
} // namespace KTX

KTX_UTI_DECLARE_FORMAT_METATYPE(KTX::UTI::TimeC, "TimeC", true)
