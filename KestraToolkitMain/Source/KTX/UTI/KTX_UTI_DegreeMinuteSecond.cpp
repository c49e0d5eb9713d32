#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"

#include "KTX/UTI/KTX_UTI_FormatMarks.h"

#include <QStringList>

#include <climits>

namespace KTX {
namespace UTI {

namespace {

const int s_iTypeId = qMetaTypeId<DegreeMinuteSecondC>();

// The absolute value, where INT_MIN has none.
int magnitude(int iValue)
{
    return iValue == INT_MIN ? INT_MAX : (iValue < 0 ? -iValue : iValue);
}

// Reads a minutes or seconds field; an empty part keeps 0.
bool readSexagesimal(const QString& strPart, int& riField)
{
    if (strPart.isEmpty())
        return true;
    bool bOk = false;
    riField = strPart.toInt(&bOk, 10);
    if (riField < 0 || riField > 59) {
        riField = 0;
        bOk = false;
    }
    return bOk;
}

} // namespace

DegreeMinuteSecondC::DegreeMinuteSecondC(int iDegrees, int iMinutes, int iSeconds, bool bPositive)
    : m_iDegrees(magnitude(iDegrees)),
      m_iMinutes(magnitude(iMinutes)),
      m_iSeconds(magnitude(iSeconds)),
      m_bPositive(bPositive)
{
}

bool DegreeMinuteSecondC::fromString(const QString& strText)
{
    *this = DegreeMinuteSecondC();
    if (strText.isEmpty())
        return true;
    QString strFields = strText;
    if (strFields.startsWith('-')) {
        m_bPositive = false;
        strFields.remove(0, 1);
    }
    strFields.replace(degreeMark(), secondMark()).replace(minuteMark(), secondMark());
    const QStringList lstParts = strFields.split(secondMark(), Qt::KeepEmptyParts);
    const int iParts = lstParts.size();
    if (iParts < 2 || iParts > 4)
        return false;

    // Smallest unit first; a bad field stops the larger ones from being read.
    bool bOk = true;
    if (iParts == 4)
        bOk = readSexagesimal(lstParts[2], m_iSeconds);
    if (bOk && iParts >= 3)
        bOk = readSexagesimal(lstParts[1], m_iMinutes);
    if (bOk && !lstParts[0].isEmpty())
        m_iDegrees = magnitude(lstParts[0].toInt(&bOk, 10));
    return bOk;
}

QString DegreeMinuteSecondC::toString() const
{
    return QStringLiteral("%1%2%3%4%5%6%7")
        .arg(m_bPositive ? QString() : QStringLiteral("-"))
        .arg(m_iDegrees, 3, 10, QChar('0'))
        .arg(degreeMark())
        .arg(m_iMinutes, 2, 10, QChar('0'))
        .arg(minuteMark())
        .arg(m_iSeconds, 2, 10, QChar('0'))
        .arg(secondMark());
}

} // namespace UTI
} // namespace KTX
