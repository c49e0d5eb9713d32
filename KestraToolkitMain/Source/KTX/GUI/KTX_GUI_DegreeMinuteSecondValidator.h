#pragma once
// Validator of an angle typed as degrees, minutes and seconds (123°30′15″) with the instrument's
// keys: the mark keys stand for the degree, minute and second marks in that order.
#include "V40_GUI_Validator.h"

namespace KTX {
namespace GUI {

class DegreeMinuteSecondValidatorC : public V40::GUI::ValidatorC
{
    Q_OBJECT

public:
    explicit DegreeMinuteSecondValidatorC(bool bNegativeAllowed, QObject* parent = nullptr);
    ~DegreeMinuteSecondValidatorC() override;

    // Acceptable once the last field typed has its mark; a field without its mark yet, or an
    // empty text, is Intermediate; minutes or seconds above 59 are Invalid.
    State validateText(QString& rstrInput, int& riPos) const override;
    // A last field without its mark gets it (123 becomes 123°), then the angle its full form.
    void fixup(QString& rstrInput) const override;

private:
    bool m_bNegativeAllowed;
};

} // namespace GUI
} // namespace KTX
