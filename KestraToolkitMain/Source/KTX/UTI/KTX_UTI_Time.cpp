#include "KTX/UTI/KTX_UTI_Time.h"

#include "Pelletlib/CNV_DateTime.h"

#include <QRegularExpression>

#include <tuple>

namespace KTX {
namespace UTI {

namespace {
const int s_iTypeId = qMetaTypeId<TimeC>();
} // namespace

TimeC::TimeC(int iHour, int iMinute, int iSecond)
    : m_iHour(iHour), m_iMinute(iMinute), m_iSecond(iSecond)
{
}

TimeC TimeC::fromDateTime(double dDateTime)
{
    CNV::DateTimeS sParts;
    if (!CNV::splitDateTime(dDateTime, sParts))
        return TimeC();
    return TimeC(sParts.iHour, sParts.iMinute, sParts.iSecond);
}

double TimeC::toDateTime() const
{
    CNV::DateTimeS sParts;
    sParts.iYear = 2000;
    sParts.iMonth = 1;
    sParts.iDay = 1;
    sParts.iHour = m_iHour;
    sParts.iMinute = m_iMinute;
    sParts.iSecond = m_iSecond;
    return CNV::joinDateTime(sParts);
}

bool TimeC::fromString(const QString& strText)
{
    // Anchored as a whole: "$" alone would also accept a trailing line break.
    static const QRegularExpression s_oPattern(QRegularExpression::anchoredPattern(
        QStringLiteral("^(\\d{0,2})\\:(\\d{0,2})\\:(\\d{0,2})$")));
    const QRegularExpressionMatch oMatch = s_oPattern.match(strText);
    if (!oMatch.hasMatch())
        return false;
    // The groups hold digits only; an empty group reads as 0.
    const int iHour = oMatch.captured(1).toInt();
    const int iMinute = oMatch.captured(2).toInt();
    const int iSecond = oMatch.captured(3).toInt();
    if (iHour > 23 || iMinute > 59 || iSecond > 59)
        return false;
    *this = TimeC(iHour, iMinute, iSecond);
    return true;
}

QString TimeC::toString() const
{
    return QStringLiteral("%1:%2:%3")
        .arg(m_iHour, 2, 10, QChar('0'))
        .arg(m_iMinute, 2, 10, QChar('0'))
        .arg(m_iSecond, 2, 10, QChar('0'));
}

bool TimeC::operator==(const TimeC& rOther) const
{
    return std::tie(m_iHour, m_iMinute, m_iSecond)
           == std::tie(rOther.m_iHour, rOther.m_iMinute, rOther.m_iSecond);
}

bool TimeC::operator<(const TimeC& rOther) const
{
    return std::tie(m_iHour, m_iMinute, m_iSecond)
           < std::tie(rOther.m_iHour, rOther.m_iMinute, rOther.m_iSecond);
}

} // namespace UTI
} // namespace KTX
