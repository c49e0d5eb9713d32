#include "KTX/GUI/KTX_GUI_DegreeMinuteSecondValidator.h"

#include "KTX/GUI/KTX_GUI_MarkKeys.h"
#include "KTX/UTI/KTX_UTI_DegreeMinuteSecond.h"
#include "KTX/UTI/KTX_UTI_FormatMarks.h"

#include <QRegularExpression>

namespace KTX {
namespace GUI {

namespace {

QStringList angleMarks()
{
    return {UTI::degreeMark(), UTI::minuteMark(), UTI::secondMark()};
}

// Degrees, then at most two digits of minutes and of seconds, each field closed by its mark.
const QRegularExpression& anglePattern()
{
    static const QRegularExpression s_rxAngle(QStringLiteral("^-?(\\d*)(%1(\\d{0,2})(%2(\\d{0,2})(%3)?)?)?$")
                                                  .arg(UTI::degreeMark(), UTI::minuteMark(), UTI::secondMark()));
    return s_rxAngle;
}

bool endsWithMark(const QString& strText)
{
    return !strText.isEmpty() && angleMarks().contains(strText.right(1));
}

} // namespace

DegreeMinuteSecondValidatorC::DegreeMinuteSecondValidatorC(bool bNegativeAllowed, QObject* parent)
    : V40::GUI::ValidatorC(parent)
    , m_bNegativeAllowed(bNegativeAllowed)
{
}

DegreeMinuteSecondValidatorC::~DegreeMinuteSecondValidatorC() = default;

QValidator::State DegreeMinuteSecondValidatorC::validateText(QString& rstrInput, int& riPos) const
{
    replaceTypedMark(rstrInput, riPos, angleMarks());
    if (rstrInput.contains(QLatin1Char('-'))) {
        if (!m_bNegativeAllowed)
            return Invalid;
        applySignKey(rstrInput, riPos);
    }
    const QRegularExpressionMatch oMatch = anglePattern().match(rstrInput);
    if (!oMatch.hasMatch())
        return Invalid;
    for (int iField : {3, 5}) {
        if (oMatch.captured(iField).toInt() > 59)
            return Invalid;
    }
    UTI::DegreeMinuteSecondC oAngle;
    if (!endsWithMark(rstrInput) || !oAngle.fromString(rstrInput))
        return Intermediate;
    return Acceptable;
}

void DegreeMinuteSecondValidatorC::fixup(QString& rstrInput) const
{
    QString strText = rstrInput.trimmed();
    if (!strText.isEmpty() && !endsWithMark(strText)) {
        for (const QString& strMark : angleMarks()) {
            if (!strText.contains(strMark)) {
                strText += strMark;
                break;
            }
        }
    }
    UTI::DegreeMinuteSecondC oAngle;
    if (endsWithMark(strText) && oAngle.fromString(strText))
        rstrInput = oAngle.toString();
}

} // namespace GUI
} // namespace KTX
