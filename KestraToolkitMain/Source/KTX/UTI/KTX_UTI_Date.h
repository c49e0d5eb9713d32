#pragma once
// A calendar date as shown and typed by the user, in one of the three date formats of the unit
// configuration: 1 day.month.year, 2 month.day.year, 3 year.month.day.
#include "KTX/UTI/KTX_UTI_FormatMetaType.h"

#include <QString>

namespace KTX {
namespace UTI {

class DateC
{
public:
    enum DateFormatE { DF_DayMonthYear = 1, DF_MonthDayYear = 2, DF_YearMonthDay = 3 };

    DateC() = default;
    DateC(int iYear, int iMonth, int iDay);

    // The date of a platform date-time number (2000-01-01 if the number is unusable).
    static DateC fromDateTime(double dDateTime);
    // This date at 00:00:00.
    double toDateTime() const;

    int getYear() const { return m_iYear; }
    int getMonth() const { return m_iMonth; }
    int getDay() const { return m_iDay; }

    // Accepts only existing dates of the years 1000-9999. On failure the previous value stays;
    // an unknown format code is also reported.
    bool fromString(const QString& strText, int iDateFormat);
    // Empty for an unknown format code.
    QString toString(int iDateFormat) const;

    static bool isLeapYear(int iYear);
    // -1, with a report, for a month outside 1-12.
    static int daysOfMonth(int iYear, int iMonth);

    bool operator==(const DateC& rOther) const;
    bool operator!=(const DateC& rOther) const { return !(*this == rOther); }
    bool operator<(const DateC& rOther) const;
    bool operator<=(const DateC& rOther) const { return !(rOther < *this); }
    bool operator>(const DateC& rOther) const { return rOther < *this; }
    bool operator>=(const DateC& rOther) const { return !(*this < rOther); }

private:
    int m_iYear = 2000;
    int m_iMonth = 1;
    int m_iDay = 1;
};

} // namespace UTI
} // namespace KTX

KTX_UTI_DECLARE_FORMAT_METATYPE(KTX::UTI::DateC, "DateC", true)
