#pragma once
// Validator of decimal numbers in a range with a fixed number of decimals.
#include "V40_GUI_Validator.h"

namespace V40 {
namespace GUI {

class DoubleValidatorC : public ValidatorC
{
    Q_OBJECT

public:
    // Reports "dBottom <= dTop" and "iDecimals >= 0" when violated; negative decimals count as 0.
    DoubleValidatorC(double dBottom, double dTop, int iDecimals, QObject* parent = nullptr);
    ~DoubleValidatorC() override;

    double bottom() const;
    double top() const;
    int decimals() const;

    // Formats the number with the configured decimals; a negative zero loses its sign.
    void fixup(QString& rstrInput) const override;
    State validateText(QString& rstrInput, int& riPos) const override;

private:
    double m_dBottom;
    double m_dTop;
    int m_iDecimals;
};

} // namespace GUI
} // namespace V40
