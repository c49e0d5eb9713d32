#include "KTX/UTI/KTX_UTI_Date.h"

#include "Ferrolib/BSS_Assert.h"
#include "Pelletlib/CNV_DateTime.h"

#include <QRegularExpression>

#include <tuple>

namespace KTX {
namespace UTI {

namespace {

const int s_iTypeId = qMetaTypeId<DateC>();

// Capture group of each field in the pattern of a format.
struct DateLayoutS
{
    const QRegularExpression* pPattern;
    int iYearGroup;
    int iMonthGroup;
    int iDayGroup;
};

// Anchored as a whole: "$" alone would also accept a trailing line break.
const QRegularExpression& yearLastPattern()
{
    static const QRegularExpression s_oPattern(QRegularExpression::anchoredPattern(
        QStringLiteral("^(\\d{0,2})\\.(\\d{0,2})\\.(\\d{0,4})$")));
    return s_oPattern;
}

const QRegularExpression& yearFirstPattern()
{
    static const QRegularExpression s_oPattern(QRegularExpression::anchoredPattern(
        QStringLiteral("^(\\d{0,4})\\.(\\d{0,2})\\.(\\d{0,2})$")));
    return s_oPattern;
}

bool layoutOf(int iDateFormat, DateLayoutS& rsLayout)
{
    switch (iDateFormat) {
    case DateC::DF_DayMonthYear:
        rsLayout = {&yearLastPattern(), 3, 2, 1};
        return true;
    case DateC::DF_MonthDayYear:
        rsLayout = {&yearLastPattern(), 3, 1, 2};
        return true;
    case DateC::DF_YearMonthDay:
        rsLayout = {&yearFirstPattern(), 1, 2, 3};
        return true;
    default:
        return false;
    }
}

} // namespace

DateC::DateC(int iYear, int iMonth, int iDay)
    : m_iYear(iYear), m_iMonth(iMonth), m_iDay(iDay)
{
}

DateC DateC::fromDateTime(double dDateTime)
{
    CNV::DateTimeS sParts;
    if (!CNV::splitDateTime(dDateTime, sParts))
        return DateC();
    return DateC(sParts.iYear, sParts.iMonth, sParts.iDay);
}

double DateC::toDateTime() const
{
    CNV::DateTimeS sParts;
    sParts.iYear = m_iYear;
    sParts.iMonth = m_iMonth;
    sParts.iDay = m_iDay;
    return CNV::joinDateTime(sParts);
}

bool DateC::fromString(const QString& strText, int iDateFormat)
{
    DateLayoutS sLayout;
    if (!layoutOf(iDateFormat, sLayout)) {
        BSS_ASSERT_REPORT("Unknown date format.", "KTX_UTI_Date", __LINE__);
        return false;
    }
    const QRegularExpressionMatch oMatch = sLayout.pPattern->match(strText);
    if (!oMatch.hasMatch())
        return false;
    // The groups hold digits only; an empty group reads as 0 and fails its range.
    const int iMonth = oMatch.captured(sLayout.iMonthGroup).toInt();
    if (iMonth < 1 || iMonth > 12)
        return false;
    const int iYear = oMatch.captured(sLayout.iYearGroup).toInt();
    if (iYear < 1000 || iYear > 9999)
        return false;
    const int iDay = oMatch.captured(sLayout.iDayGroup).toInt();
    if (iDay < 1 || iDay > daysOfMonth(iYear, iMonth))
        return false;
    *this = DateC(iYear, iMonth, iDay);
    return true;
}

QString DateC::toString(int iDateFormat) const
{
    const QString strYear = QStringLiteral("%1").arg(m_iYear, 4, 10, QChar('0'));
    const QString strMonth = QStringLiteral("%1").arg(m_iMonth, 2, 10, QChar('0'));
    const QString strDay = QStringLiteral("%1").arg(m_iDay, 2, 10, QChar('0'));
    switch (iDateFormat) {
    case DF_DayMonthYear:
        return QStringLiteral("%1.%2.%3").arg(strDay, strMonth, strYear);
    case DF_MonthDayYear:
        return QStringLiteral("%1.%2.%3").arg(strMonth, strDay, strYear);
    case DF_YearMonthDay:
        return QStringLiteral("%1.%2.%3").arg(strYear, strMonth, strDay);
    default:
        return QString();
    }
}

bool DateC::isLeapYear(int iYear)
{
    return iYear % 400 == 0 || (iYear % 4 == 0 && iYear % 100 != 0);
}

int DateC::daysOfMonth(int iYear, int iMonth)
{
    switch (iMonth) {
    case 1: case 3: case 5: case 7: case 8: case 10: case 12:
        return 31;
    case 4: case 6: case 9: case 11:
        return 30;
    case 2:
        return isLeapYear(iYear) ? 29 : 28;
    default:
        BSS_ASSERT_REPORT("Invalid month.", "KTX_UTI_Date", __LINE__);
        return -1;
    }
}

bool DateC::operator==(const DateC& rOther) const
{
    return std::tie(m_iYear, m_iMonth, m_iDay)
           == std::tie(rOther.m_iYear, rOther.m_iMonth, rOther.m_iDay);
}

bool DateC::operator<(const DateC& rOther) const
{
    return std::tie(m_iYear, m_iMonth, m_iDay)
           < std::tie(rOther.m_iYear, rOther.m_iMonth, rOther.m_iDay);
}

} // namespace UTI
} // namespace KTX
