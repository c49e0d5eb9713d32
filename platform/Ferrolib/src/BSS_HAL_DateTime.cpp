#include "Ferrolib/BSS_HAL_DateTime.h"

#include "Ferrolib/BSS_Trace.h"

#include "SimInstrument/VSIM_Settings.h"

#include <QDateTime>

namespace BSS {
namespace HAL {

namespace {

const QString kOffsetKey = QStringLiteral("Clock/Offset");
constexpr double kSecondsPerDay = 86400.0;

// Seconds from 2000-01-01 00:00:00 to a local date and time. Both ends are taken as UTC so that no
// time zone or daylight saving change enters the difference.
double secondsSince2000(const QDate& oDate, const QTime& oTime)
{
    static const QDateTime s_oEpoch(QDate(2000, 1, 1), QTime(0, 0), Qt::UTC);
    return double(s_oEpoch.msecsTo(QDateTime(oDate, oTime, Qt::UTC))) / 1000.0;
}

double hostSecondsSince2000()
{
    const QDateTime oNow = QDateTime::currentDateTime();
    return secondsSince2000(oNow.date(), oNow.time());
}

} // namespace

double currentDateTime()
{
    // The simulated instrument's clock runs apart from the host's, which is never set.
    return (hostSecondsSince2000() + VSIM::SettingsC::doubleValue(kOffsetKey)) / kSecondsPerDay;
}

void DateTimeRecordC::setDate(int iYear, int iMonth, int iDay)
{
    m_iYear = iYear;
    m_iMonth = iMonth;
    m_iDay = iDay;
}

void DateTimeRecordC::setTime(int iHour, int iMinute, int iSecond)
{
    m_iHour = iHour;
    m_iMinute = iMinute;
    m_iSecond = iSecond;
}

bool DateTimeRecordC::validate() const
{
    return m_iYear >= FIRST_YEAR && m_iYear <= LAST_YEAR && QDate::isValid(m_iYear, m_iMonth, m_iDay)
        && QTime::isValid(m_iHour, m_iMinute, m_iSecond);
}

int DateTimeRecordC::setSystemClock() const
{
    static TraceChannelC s_oTrace("Clock");
    if (!validate())
        return RC_INVALID;
    const double dOffset =
        secondsSince2000(QDate(m_iYear, m_iMonth, m_iDay), QTime(m_iHour, m_iMinute, m_iSecond)) - hostSecondsSince2000();
    QString strError;
    if (!VSIM::SettingsC::setValue(kOffsetKey, dOffset, VSIM::WRITER_INSTRUMENT, &strError)) {
        s_oTrace.write("The clock cannot be set: %s\n", qPrintable(strError));
        return RC_NOT_STORED;
    }
    s_oTrace.write("Clock set to %04d-%02d-%02d %02d:%02d:%02d.\n", m_iYear, m_iMonth, m_iDay, m_iHour, m_iMinute,
                   m_iSecond);
    return 0;
}

} // namespace HAL
} // namespace BSS
