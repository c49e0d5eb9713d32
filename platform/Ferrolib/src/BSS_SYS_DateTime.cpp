#include "Ferrolib/BSS_SYS_DateTime.h"

#include "Ferrolib/BSS_Trace.h"
#include "Pelletlib/CNV_DateTime.h"

#include "SimInstrument/VSIM_Settings.h"

#include <QDate>
#include <QDateTime>

namespace BSS {
namespace SYS {

namespace {

const QString kOffsetKey = QStringLiteral("Clock/Offset");
constexpr double kSecondsPerDay = 86400.0;

// The host's local time as a date-time number, to the millisecond.
double hostDateTime()
{
    const QDateTime oNow = QDateTime::currentDateTime();
    CNV::DateTimeS sNow;
    sNow.iYear = oNow.date().year();
    sNow.iMonth = oNow.date().month();
    sNow.iDay = oNow.date().day();
    sNow.iHour = oNow.time().hour();
    sNow.iMinute = oNow.time().minute();
    sNow.iSecond = oNow.time().second();
    return CNV::joinDateTime(sNow) + oNow.time().msec() / (1000.0 * kSecondsPerDay);
}

} // namespace

double currentDateTime()
{
    return hostDateTime() + VSIM::SettingsC::doubleValue(kOffsetKey) / kSecondsPerDay;
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
    return m_iYear >= FIRST_YEAR && m_iYear <= LAST_YEAR && QDate::isValid(m_iYear, m_iMonth, m_iDay) && m_iHour >= 0
        && m_iHour <= 23 && m_iMinute >= 0 && m_iMinute <= 59 && m_iSecond >= 0 && m_iSecond <= 59;
}

int DateTimeRecordC::setSystemClock() const
{
    static TraceChannelC s_oTrace("Clock");
    if (!validate())
        return RC_INVALID;
    CNV::DateTimeS sTarget;
    sTarget.iYear = m_iYear;
    sTarget.iMonth = m_iMonth;
    sTarget.iDay = m_iDay;
    sTarget.iHour = m_iHour;
    sTarget.iMinute = m_iMinute;
    sTarget.iSecond = m_iSecond;
    const double dOffset = (CNV::joinDateTime(sTarget) - hostDateTime()) * kSecondsPerDay;
    QString strError;
    if (!VSIM::SettingsC::setValue(kOffsetKey, dOffset, VSIM::WRITER_INSTRUMENT, &strError)) {
        s_oTrace.write("The clock cannot be set: %s\n", qPrintable(strError));
        return RC_NOT_STORED;
    }
    s_oTrace.write("Clock set to %04d-%02d-%02d %02d:%02d:%02d.\n", m_iYear, m_iMonth, m_iDay, m_iHour, m_iMinute,
                   m_iSecond);
    return 0;
}

} // namespace SYS
} // namespace BSS
