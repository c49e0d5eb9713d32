// What the operator types into the unit fields: angles in degrees, minutes and seconds, decimal
// angles (gon, degrees), lengths in feet, inches and sixteenths, times and dates in the three formats. The first byte picks the
// parser and the cursor position; the rest is the text (UTF-8). The validators keep the cursor
// inside the text, and every text a parser takes gives a form that it takes again unchanged.
#include "FuzzSupport.h"

#include "KTX/GUI/KTX_GUI_DateValidator.h"
#include "KTX/GUI/KTX_GUI_DegreeMinuteSecondValidator.h"
#include "KTX/GUI/KTX_GUI_TimeValidator.h"
#include "KTX/GUI/KTX_GUI_UsFootInch16thValidator.h"
#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_Time.h"
#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

#include "V40_GUI_DoubleValidator.h"

#include <functional>

namespace {

// New parsers go at the end: the first byte of the kept inputs keeps picking the same one.
enum ParserE { ANGLE, ANGLE_NEGATIVE, FOOT_INCH, TIME, DATE_DMY, DATE_MDY, DATE_YMD, DECIMAL, DECIMAL_NEGATIVE, PARSER_COUNT };

void validate(const QValidator& rValidator, const QString& strText, int iPos)
{
    QString strInput = strText;
    int iCursor = qMin(iPos, strInput.size());
    rValidator.validate(strInput, iCursor);
    KFZ::require(iCursor >= 0 && iCursor <= strInput.size(), "cursor outside the text", strInput);
    QString strFixed = strText;
    rValidator.fixup(strFixed);
}

// A decimal field as the unit fields set it up (a full circle in gon, four decimals): a text it
// accepts is a number in its range, and the form fixup gives that text is accepted too.
void validateDecimal(bool bNegative, const QString& strText, int iPos)
{
    const V40::GUI::DoubleValidatorC oValidator(bNegative ? -200.0 : 0.0, bNegative ? 200.0 : 400.0, 4);
    validate(oValidator, strText, iPos);
    QString strInput = strText;
    int iCursor = qMin(iPos, strInput.size());
    if (oValidator.validate(strInput, iCursor) != QValidator::Acceptable
        || strInput == V40::GUI::ValidatorC::placeholderText())
        return;
    QString strFixed = strInput;
    oValidator.fixup(strFixed);
    bool bOk = false;
    const double dValue = strFixed.toDouble(&bOk);
    KFZ::require(bOk && dValue >= oValidator.bottom() && dValue <= oValidator.top(), "accepted number outside its range",
                 strInput + QStringLiteral(" -> ") + strFixed);
    int iFixedCursor = strFixed.size();
    KFZ::require(oValidator.validate(strFixed, iFixedCursor) == QValidator::Acceptable, "fixed number not accepted",
                 strInput + QStringLiteral(" -> ") + strFixed);
}

// parse(text, out form) is true when the text is taken; its form must be taken again as it is.
void roundTrip(const std::function<bool(const QString&, QString&)>& fnParse, const QString& strText)
{
    QString strForm;
    if (!fnParse(strText, strForm))
        return;
    QString strAgain;
    KFZ::require(fnParse(strForm, strAgain) && strAgain == strForm, "form not taken again",
                 strText + QStringLiteral(" -> ") + strForm + QStringLiteral(" -> ") + strAgain);
}

template <class ValueT>
std::function<bool(const QString&, QString&)> parser()
{
    return [](const QString& strText, QString& rstrForm) {
        ValueT oValue;
        if (!oValue.fromString(strText))
            return false;
        rstrForm = oValue.toString();
        return true;
    };
}

std::function<bool(const QString&, QString&)> dateParser(int iFormat)
{
    return [iFormat](const QString& strText, QString& rstrForm) {
        KTX::UTI::DateC oDate;
        if (!oDate.fromString(strText, iFormat))
            return false;
        rstrForm = oDate.toString(iFormat);
        return true;
    };
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* pData, size_t uSize)
{
    static const bool s_bReady = KFZ::setUp();
    (void)s_bReady;
    if (uSize < 1)
        return 0;
    const int iParser = (pData[0] & 0x0F) % PARSER_COUNT;
    const int iPos = pData[0] >> 4;
    const QString strText = QString::fromUtf8(KFZ::bytes(pData + 1, uSize - 1));
    switch (iParser) {
    case ANGLE:
    case ANGLE_NEGATIVE:
        validate(KTX::GUI::DegreeMinuteSecondValidatorC(iParser == ANGLE_NEGATIVE), strText, iPos);
        roundTrip(parser<KTX::UTI::DegreeMinuteSecondC>(), strText);
        break;
    case FOOT_INCH:
        validate(KTX::GUI::UsFootInch16thValidatorC(KTX::UTI::UsFootInch16thC(-99999.0),
                                                    KTX::UTI::UsFootInch16thC(99999.0)),
                 strText, iPos);
        roundTrip(parser<KTX::UTI::UsFootInch16thC>(), strText);
        break;
    case TIME:
        validate(KTX::GUI::TimeValidatorC(), strText, iPos);
        roundTrip(parser<KTX::UTI::TimeC>(), strText);
        break;
    case DECIMAL:
    case DECIMAL_NEGATIVE:
        validateDecimal(iParser == DECIMAL_NEGATIVE, strText, iPos);
        break;
    default: {
        const int iFormat = iParser - DATE_DMY + KTX::UTI::DateC::DF_DayMonthYear;
        validate(KTX::GUI::DateValidatorC(iFormat), strText, iPos);
        roundTrip(dateParser(iFormat), strText);
        break;
    }
    }
    KFZ::endInput();
    return 0;
}
