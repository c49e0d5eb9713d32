#pragma once
// The platform's date-time number and its split into calendar fields.
//
// A date-time number is a double: the number of days since 2000-01-01 00:00:00 in the proleptic
// Gregorian calendar, local instrument time (no time zone, no leap seconds). The whole part (rounded
// down, also for dates before 2000) is the day, the fraction the time of day: 0.5 is 2000-01-01
// 12:00:00, -0.25 is 1999-12-31 18:00:00. Splitting and joining are exact to the second and
// inverse to each other.

namespace CNV {

struct DateTimeS
{
    int iYear = 2000;
    int iMonth = 1;
    int iDay = 1;
    int iHour = 0;
    int iMinute = 0;
    int iSecond = 0;
};

// Rounds to the nearest second. A number that is not finite or lies beyond 100 million days from
// 2000 gives false and leaves the fields unchanged.
bool splitDateTime(double dDateTime, DateTimeS& rsDateTime);

// Fields outside their ranges carry over as on a calendar (month 13 is January of the next year,
// day 0 the last day of the previous month, 24:00:00 the next day's midnight).
double joinDateTime(const DateTimeS& rsDateTime);

} // namespace CNV
