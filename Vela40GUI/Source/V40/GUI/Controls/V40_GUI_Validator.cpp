#include "V40_GUI_Validator.h"

namespace V40 {
namespace GUI {

ValidatorC::ValidatorC(QObject* parent)
    : QValidator(parent)
{
}

ValidatorC::~ValidatorC() = default;

const QString& ValidatorC::placeholderText()
{
    static const QString s_strPlaceholder = QStringLiteral("----");
    return s_strPlaceholder;
}

QValidator::State ValidatorC::validate(QString& rstrInput, int& riPos) const
{
    if (rstrInput == placeholderText())
        return Acceptable;
    return validateText(rstrInput, riPos);
}

void ValidatorC::fixup(QString& rstrInput) const
{
    QValidator::fixup(rstrInput);
}

void ValidatorC::trimInput(QString& rstrInput, int& riPos)
{
    int iFront = 0;
    while (iFront < rstrInput.size() && rstrInput.at(iFront).isSpace())
        ++iFront;
    rstrInput = rstrInput.trimmed();
    riPos = qBound(0, riPos - iFront, rstrInput.size());
}

void ValidatorC::applySignKey(QString& rstrInput, int& riPos)
{
    for (int iPlus = rstrInput.indexOf(QLatin1Char('+')); iPlus >= 0; iPlus = rstrInput.indexOf(QLatin1Char('+'))) {
        rstrInput.remove(iPlus, 1);
        if (riPos > iPlus)
            --riPos;
        if (rstrInput.startsWith(QLatin1Char('-'))) {
            rstrInput.remove(0, 1);
            if (riPos > 0)
                --riPos;
        } else {
            rstrInput.prepend(QLatin1Char('-'));
            ++riPos;
        }
    }
}

} // namespace GUI
} // namespace V40
