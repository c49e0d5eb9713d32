#pragma once
// Validator of a time field behind the mask "00:00:00": a time of day is Acceptable, anything
// else Intermediate, so that typing is never blocked and an incomplete time is simply not taken.
#include "V40_GUI_Validator.h"

namespace KTX {
namespace GUI {

class TimeValidatorC : public V40::GUI::ValidatorC
{
    Q_OBJECT

public:
    explicit TimeValidatorC(QObject* parent = nullptr);
    ~TimeValidatorC() override;

    State validateText(QString& rstrInput, int& riPos) const override;
    // A time that parses gets its two-digit form.
    void fixup(QString& rstrInput) const override;
};

} // namespace GUI
} // namespace KTX
