#pragma once
// The instrument's clock. On the desktop it runs at a fixed offset from the host's clock (the
// simulator setting Clock/Offset); setting the instrument's clock changes only that offset, so
// the host's clock is never touched and the time set survives a restart.

namespace BSS {
namespace HAL {

// Now, as the platform's date-time number (days since 2000-01-01 00:00:00, local instrument time).
double currentDateTime();

// A date and a time of day to set the clock to.
class DateTimeRecordC
{
public:
    void setDate(int iYear, int iMonth, int iDay);
    void setTime(int iHour, int iMinute, int iSecond);

    // A date of the calendar within the years the clock keeps, 2000 to 2099, and a time of day.
    bool validate() const;
    // 0 when the clock runs from this date and time on; RC_INVALID for a record that does not
    // validate, RC_NOT_STORED when the clock could not be set.
    int setSystemClock() const;

    static constexpr int FIRST_YEAR = 2000;
    static constexpr int LAST_YEAR = 2099;
    static constexpr int RC_INVALID = 1;
    static constexpr int RC_NOT_STORED = 2;

private:
    int m_iYear = 0;
    int m_iMonth = 0;
    int m_iDay = 0;
    int m_iHour = -1;
    int m_iMinute = -1;
    int m_iSecond = -1;
};

} // namespace HAL
} // namespace BSS
