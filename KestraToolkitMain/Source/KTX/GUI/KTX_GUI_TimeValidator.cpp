#include "KTX/GUI/KTX_GUI_TimeValidator.h"

#include "KTX/GUI/KTX_GUI_MaskedText.h"
#include "KTX/UTI/KTX_UTI_Time.h"

namespace KTX {
namespace GUI {

TimeValidatorC::TimeValidatorC(QObject* parent)
    : V40::GUI::ValidatorC(parent)
{
}

TimeValidatorC::~TimeValidatorC() = default;

QValidator::State TimeValidatorC::validateText(QString& rstrInput, int& riPos) const
{
    // Only read: a masked editor whose text is changed here no longer shows what it holds.
    Q_UNUSED(riPos);
    UTI::TimeC oTime;
    return oTime.fromString(MaskedText::compact(rstrInput)) ? Acceptable : Intermediate;
}

void TimeValidatorC::fixup(QString& rstrInput) const
{
    UTI::TimeC oTime;
    if (oTime.fromString(rstrInput.trimmed()))
        rstrInput = oTime.toString();
}

} // namespace GUI
} // namespace KTX
