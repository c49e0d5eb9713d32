#include "KTX/GUI/KTX_GUI_DateValidator.h"

#include "KTX/GUI/KTX_GUI_MaskedText.h"
#include "KTX/UTI/KTX_UTI_Date.h"

namespace KTX {
namespace GUI {

DateValidatorC::DateValidatorC(int iDateFormat, QObject* parent)
    : V40::GUI::ValidatorC(parent)
    , m_iDateFormat(iDateFormat)
{
}

DateValidatorC::~DateValidatorC() = default;

int DateValidatorC::getDateFormat() const
{
    return m_iDateFormat;
}

QValidator::State DateValidatorC::validateText(QString& rstrInput, int& riPos) const
{
    // Only read: a masked editor whose text is changed here no longer shows what it holds.
    Q_UNUSED(riPos);
    UTI::DateC oDate;
    return oDate.fromString(MaskedText::compact(rstrInput), m_iDateFormat) ? Acceptable : Intermediate;
}

void DateValidatorC::fixup(QString& rstrInput) const
{
    UTI::DateC oDate;
    if (oDate.fromString(rstrInput.trimmed(), m_iDateFormat))
        rstrInput = oDate.toString(m_iDateFormat);
}

} // namespace GUI
} // namespace KTX
