#include "KTX/GUI/KTX_GUI_UsFootInch16thValidator.h"

#include "KTX/GUI/KTX_GUI_MarkKeys.h"
#include "KTX/UTI/KTX_UTI_FormatMarks.h"

namespace KTX {
namespace GUI {

namespace {

// Feet typed as 07 are shown as 7; the cursor stays behind the same digit.
void stripLeadingFeetZeros(QString& rstrInput, int& riPos, bool bPositive)
{
    const int iFirstDigit = bPositive ? 0 : 1;
    while (rstrInput.size() > 1 && rstrInput.size() > iFirstDigit
           && rstrInput.at(iFirstDigit) == QLatin1Char('0')) {
        rstrInput.remove(iFirstDigit, 1);
        if (riPos > 0)
            --riPos;
    }
}

} // namespace

UsFootInch16thValidatorC::UsFootInch16thValidatorC(const UTI::UsFootInch16thC& rMinimum,
                                                   const UTI::UsFootInch16thC& rMaximum, QObject* parent)
    : V40::GUI::ValidatorC(parent)
    , m_oMinimum(rMinimum)
    , m_oMaximum(rMaximum)
{
}

UsFootInch16thValidatorC::~UsFootInch16thValidatorC() = default;

const UTI::UsFootInch16thC& UsFootInch16thValidatorC::getMinimum() const
{
    return m_oMinimum;
}

const UTI::UsFootInch16thC& UsFootInch16thValidatorC::getMaximum() const
{
    return m_oMaximum;
}

QValidator::State UsFootInch16thValidatorC::validateText(QString& rstrInput, int& riPos) const
{
    replaceTypedMark(rstrInput, riPos, {UTI::footMark(), UTI::inchMark()});

    const UTI::UsFootInch16thC oZero;
    // A negative length is typed with "-"; "+" then takes the sign away again. Without negative
    // values in the range no sign may be typed at all, and a "+" alone does not parse.
    if (rstrInput.contains(QLatin1Char('-'))) {
        if (m_oMinimum >= oZero)
            return Invalid;
        applySignKey(rstrInput, riPos);
    }

    UTI::UsFootInch16thC oValue;
    if (!oValue.fromString(rstrInput))
        return Invalid;
    if (oValue.getFeet() != 0)
        stripLeadingFeetZeros(rstrInput, riPos, oValue.isPositive());

    if (m_oMinimum <= oValue && oValue <= m_oMaximum)
        return Acceptable;
    // Typing on only moves a length away from zero: past a bound beyond zero it cannot come back.
    if ((oValue < m_oMinimum && m_oMinimum < oZero) || (oValue > m_oMaximum && m_oMaximum > oZero))
        return Invalid;
    if ((oValue > oZero && m_oMaximum <= oZero) || (oValue < oZero && m_oMinimum >= oZero))
        return Invalid;
    return Intermediate;
}

void UsFootInch16thValidatorC::fixup(QString& rstrInput) const
{
    UTI::UsFootInch16thC oValue;
    if (oValue.fromString(rstrInput.trimmed()))
        rstrInput = oValue.toString();
}

} // namespace GUI
} // namespace KTX
