#pragma once
// Validator of a length typed as feet, inches and sixteenths (5'03"07) within a range. The keys
// ".", " " and "," stand for the marks: the first one typed becomes the foot mark, the next the
// inch mark.
#include "KTX/UTI/KTX_UTI_UsFootInch16th.h"

#include "V40_GUI_Validator.h"

namespace KTX {
namespace GUI {

class UsFootInch16thValidatorC : public V40::GUI::ValidatorC
{
    Q_OBJECT

public:
    UsFootInch16thValidatorC(const UTI::UsFootInch16thC& rMinimum, const UTI::UsFootInch16thC& rMaximum,
                             QObject* parent = nullptr);
    ~UsFootInch16thValidatorC() override;

    const UTI::UsFootInch16thC& getMinimum() const;
    const UTI::UsFootInch16thC& getMaximum() const;

    State validateText(QString& rstrInput, int& riPos) const override;
    // A length that parses gets its full form (5 becomes 5'00"00).
    void fixup(QString& rstrInput) const override;

private:
    UTI::UsFootInch16thC m_oMinimum;
    UTI::UsFootInch16thC m_oMaximum;
};

} // namespace GUI
} // namespace KTX
