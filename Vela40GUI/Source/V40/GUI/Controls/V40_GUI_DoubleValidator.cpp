#include "V40_GUI_DoubleValidator.h"

#include "Ferrolib/BSS_Assert.h"

#include <QRegExp>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_DoubleValidator", __LINE__)

namespace V40 {
namespace GUI {

namespace {

// The number of a text; an input in progress ("", "-", ".", "-.") counts as 0.
double parseNumber(const QString& strText, bool* pbOk)
{
    if (strText.isEmpty() || strText == QLatin1String("-") || strText == QLatin1String(".")
        || strText == QLatin1String("-.")) {
        *pbOk = true;
        return 0.0;
    }
    return strText.toDouble(pbOk);
}

} // namespace

DoubleValidatorC::DoubleValidatorC(double dBottom, double dTop, int iDecimals, QObject* parent)
    : ValidatorC(parent)
    , m_dBottom(dBottom)
    , m_dTop(dTop)
    , m_iDecimals(iDecimals)
{
    if (!(dBottom <= dTop))
        V40_GUI_REPORT("dBottom <= dTop");
    if (!(iDecimals >= 0)) {
        V40_GUI_REPORT("iDecimals >= 0");
        m_iDecimals = 0;
    }
}

DoubleValidatorC::~DoubleValidatorC() = default;

double DoubleValidatorC::bottom() const
{
    return m_dBottom;
}

double DoubleValidatorC::top() const
{
    return m_dTop;
}

int DoubleValidatorC::decimals() const
{
    return m_iDecimals;
}

void DoubleValidatorC::fixup(QString& rstrInput) const
{
    bool bOk = false;
    const double dValue = parseNumber(rstrInput.trimmed(), &bOk);
    if (!bOk)
        return;
    QString strFixed = QString::number(dValue, 'f', m_iDecimals);
    // Also without decimals: "-0" is no number to show.
    static const QRegExp s_rxNegativeZero(QStringLiteral("-0(\\.0+)?"));
    if (s_rxNegativeZero.exactMatch(strFixed))
        strFixed.remove(0, 1);
    rstrInput = strFixed;
}

QValidator::State DoubleValidatorC::validateText(QString& rstrInput, int& riPos) const
{
    trimInput(rstrInput, riPos);
    if (m_dBottom < 0.0)
        applySignKey(rstrInput, riPos);

    // Plain decimal notation only: digits, one point, a leading minus.
    static const QRegExp s_rxDecimal(QStringLiteral("-?[0-9]*\\.?[0-9]*"));
    if (!s_rxDecimal.exactMatch(rstrInput))
        return Invalid;
    if (rstrInput.startsWith(QLatin1Char('-')) && m_dBottom >= 0.0)
        return Invalid;
    const int iPoint = rstrInput.indexOf(QLatin1Char('.'));
    if (iPoint >= 0 && rstrInput.size() - iPoint - 1 > m_iDecimals)
        return Invalid;

    bool bOk = false;
    const double dValue = parseNumber(rstrInput, &bOk);
    if (!bOk)
        return Invalid;
    if (dValue >= m_dBottom && dValue <= m_dTop)
        return Acceptable;
    // Typing on only moves a number away from zero: past a bound beyond zero it cannot come back.
    if ((dValue < m_dBottom && m_dBottom < 0.0) || (dValue > m_dTop && m_dTop > 0.0))
        return Invalid;
    return Intermediate;
}

} // namespace GUI
} // namespace V40
