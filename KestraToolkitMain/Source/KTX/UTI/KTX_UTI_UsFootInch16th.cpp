#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

#include "KTX/UTI/KTX_UTI_FormatMarks.h"
#include "Pelletlib/CNV_Length.h"

#include <climits>

namespace KTX {
namespace UTI {

namespace {

const int s_iTypeId = qMetaTypeId<UsFootInch16thC>();

int magnitude(int iValue)
{
    return iValue == INT_MIN ? INT_MAX : (iValue < 0 ? -iValue : iValue);
}

// Inches and sixteenths: at most two characters within the range; out of range keeps 0.
bool readSubField(const QString& strField, int iMaximum, int& riField)
{
    bool bOk = false;
    riField = strField.toInt(&bOk, 10);
    if (riField < 0 || riField > iMaximum || strField.size() > 2) {
        riField = 0;
        bOk = false;
    }
    return bOk;
}

} // namespace

UsFootInch16thC::UsFootInch16thC(int iFeet, int iInches, int iSixteenths, bool bPositive)
    : m_iFeet(magnitude(iFeet)),
      m_iInches(magnitude(iInches)),
      m_iSixteenths(magnitude(iSixteenths)),
      m_bPositive(bPositive)
{
}

UsFootInch16thC::UsFootInch16thC(double dUsFeet)
{
    CNV::FootInch16thS sParts;
    CNV::splitUsSurveyFeet(dUsFeet, sParts);
    m_iFeet = sParts.iFeet;
    m_iInches = sParts.iInches;
    m_iSixteenths = sParts.iSixteenths;
    m_bPositive = sParts.iSign >= 0;
}

double UsFootInch16thC::toUsFeet() const
{
    return CNV::joinUsSurveyFeet(m_bPositive ? 1 : -1, m_iFeet, m_iInches, m_iSixteenths);
}

bool UsFootInch16thC::fromString(const QString& strText)
{
    *this = UsFootInch16thC();
    if (strText.isEmpty())
        return true;
    const QString strTrimmed = strText.trimmed();
    if (strTrimmed.startsWith('+'))
        return false;
    m_bPositive = !strTrimmed.startsWith('-');
    const QString strFields = m_bPositive ? strTrimmed : strTrimmed.mid(1);

    const int iFoot = strFields.indexOf(footMark());
    const int iInch = strFields.indexOf(inchMark());
    if (iFoot >= 0 && iInch >= 0 && iFoot > iInch)
        return false;
    QString strFeet;
    QString strInches;
    QString strSixteenths;
    if (iFoot < 0 && iInch < 0) {
        strFeet = strFields;
    } else if (iFoot < 0) {
        strInches = strFields.left(iInch);
        strSixteenths = strFields.mid(iInch + 1);
    } else if (iInch < 0) {
        strFeet = strFields.left(iFoot);
        strInches = strFields.mid(iFoot + 1);
    } else {
        strFeet = strFields.left(iFoot);
        strInches = strFields.mid(iFoot + 1, iInch - iFoot - 1);
        strSixteenths = strFields.mid(iInch + 1);
    }

    // Smallest unit first; a bad field stops the larger ones from being read.
    bool bOk = true;
    if (!strSixteenths.isEmpty())
        bOk = readSubField(strSixteenths, 15, m_iSixteenths);
    if (bOk && !strInches.isEmpty())
        bOk = readSubField(strInches, 11, m_iInches);
    if (bOk && !strFeet.isEmpty()) {
        m_iFeet = strFeet.toInt(&bOk, 10);
        // The sign belongs in front of the whole value; a second one would flip it back.
        if (m_iFeet < 0) {
            m_iFeet = 0;
            bOk = false;
        }
        if (strFeet.startsWith(QStringLiteral("00")))
            bOk = false;
    }
    return bOk;
}

QString UsFootInch16thC::toString() const
{
    return QStringLiteral("%1%2%3%4%5%6")
        .arg(m_bPositive ? QString() : QStringLiteral("-"))
        .arg(m_iFeet)
        .arg(footMark())
        .arg(m_iInches, 2, 10, QChar('0'))
        .arg(inchMark())
        .arg(m_iSixteenths, 2, 10, QChar('0'));
}

bool UsFootInch16thC::operator==(const UsFootInch16thC& rOther) const
{
    if (m_iFeet != rOther.m_iFeet || m_iInches != rOther.m_iInches
        || m_iSixteenths != rOther.m_iSixteenths)
        return false;
    const bool bZero = m_iFeet == 0 && m_iInches == 0 && m_iSixteenths == 0;
    return bZero || m_bPositive == rOther.m_bPositive;
}

} // namespace UTI
} // namespace KTX
