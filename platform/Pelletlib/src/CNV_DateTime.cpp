#include "Pelletlib/CNV_DateTime.h"

#include <cmath>

namespace CNV {

namespace {

constexpr long long kSecondsPerDay = 86400;
constexpr double kMaxDays = 1.0e8;
// Days from 1970-01-01 to the epoch 2000-01-01.
constexpr long long kEpochDays = 10957;

long long floorDiv(long long llA, long long llB)
{
    const long long llQ = llA / llB;
    return (llA % llB != 0 && ((llA < 0) != (llB < 0))) ? llQ - 1 : llQ;
}

long long floorMod(long long llA, long long llB)
{
    return llA - floorDiv(llA, llB) * llB;
}

// Days since 1970-01-01 of a proleptic Gregorian date (month 1-12); the calendar repeats every
// 400 years (146097 days), counted from March so that the leap day ends the year.
long long daysFromCivil(long long llYear, int iMonth, int iDay)
{
    llYear -= iMonth <= 2 ? 1 : 0;
    const long long llEra = floorDiv(llYear, 400);
    const long long llYearOfEra = llYear - llEra * 400;
    const long long llDayOfYear = (153 * (iMonth + (iMonth > 2 ? -3 : 9)) + 2) / 5 + iDay - 1;
    const long long llDayOfEra =
        llYearOfEra * 365 + llYearOfEra / 4 - llYearOfEra / 100 + llDayOfYear;
    return llEra * 146097 + llDayOfEra - 719468;
}

void civilFromDays(long long llDays, DateTimeS& rsDateTime)
{
    llDays += 719468;
    const long long llEra = floorDiv(llDays, 146097);
    const long long llDayOfEra = llDays - llEra * 146097;
    const long long llYearOfEra =
        (llDayOfEra - llDayOfEra / 1460 + llDayOfEra / 36524 - llDayOfEra / 146096) / 365;
    const long long llDayOfYear =
        llDayOfEra - (365 * llYearOfEra + llYearOfEra / 4 - llYearOfEra / 100);
    const long long llMonthFromMarch = (5 * llDayOfYear + 2) / 153;
    const int iMonth = static_cast<int>(llMonthFromMarch < 10 ? llMonthFromMarch + 3
                                                               : llMonthFromMarch - 9);
    rsDateTime.iDay = static_cast<int>(llDayOfYear - (153 * llMonthFromMarch + 2) / 5 + 1);
    rsDateTime.iMonth = iMonth;
    rsDateTime.iYear = static_cast<int>(llYearOfEra + llEra * 400 + (iMonth <= 2 ? 1 : 0));
}

} // namespace

bool splitDateTime(double dDateTime, DateTimeS& rsDateTime)
{
    if (!std::isfinite(dDateTime) || std::fabs(dDateTime) > kMaxDays)
        return false;
    const long long llSeconds = std::llround(dDateTime * double(kSecondsPerDay));
    civilFromDays(floorDiv(llSeconds, kSecondsPerDay) + kEpochDays, rsDateTime);
    const long long llSecondOfDay = floorMod(llSeconds, kSecondsPerDay);
    rsDateTime.iHour = static_cast<int>(llSecondOfDay / 3600);
    rsDateTime.iMinute = static_cast<int>(llSecondOfDay % 3600 / 60);
    rsDateTime.iSecond = static_cast<int>(llSecondOfDay % 60);
    return true;
}

double joinDateTime(const DateTimeS& rsDateTime)
{
    const long long llMonths = static_cast<long long>(rsDateTime.iMonth) - 1;
    const long long llYear = rsDateTime.iYear + floorDiv(llMonths, 12);
    const int iMonth = static_cast<int>(floorMod(llMonths, 12)) + 1;
    const long long llDays = daysFromCivil(llYear, iMonth, 1) + rsDateTime.iDay - 1 - kEpochDays;
    const long long llSeconds = llDays * kSecondsPerDay
                                + static_cast<long long>(rsDateTime.iHour) * 3600
                                + static_cast<long long>(rsDateTime.iMinute) * 60
                                + rsDateTime.iSecond;
    return double(llSeconds) / double(kSecondsPerDay);
}

} // namespace CNV
