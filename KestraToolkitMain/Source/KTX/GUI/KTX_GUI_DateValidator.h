#pragma once
// Validator of a date field in one of the three date formats: an existing date is Acceptable,
// anything else Intermediate, so that typing is never blocked and an incomplete or impossible
// date is simply not taken.
#include "V40_GUI_Validator.h"

namespace KTX {
namespace GUI {

class DateValidatorC : public V40::GUI::ValidatorC
{
    Q_OBJECT

public:
    explicit DateValidatorC(int iDateFormat, QObject* parent = nullptr);
    ~DateValidatorC() override;

    int getDateFormat() const;

    State validateText(QString& rstrInput, int& riPos) const override;
    // A date that parses gets its formatted form (1.2.2003 becomes 01.02.2003).
    void fixup(QString& rstrInput) const override;

private:
    int m_iDateFormat;
};

} // namespace GUI
} // namespace KTX
