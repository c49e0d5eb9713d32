#pragma once
// The edit field of a value with a unit. The model holds the value in its internal unit; the
// field shows it converted to the model's display unit, with the unit text beside it, and turns
// what the user types back into the internal unit. Each unit gets the validator that fits it.
#include "V40_GUI_ValueWidget.h"

namespace KTX {
namespace GUI {

class UnitValueModelC;

class UnitWidgetC : public V40::GUI::ValueWidgetC
{
    Q_OBJECT

public:
    // Range 0 to 0 with one decimal: for times and dates, which have no range.
    UnitWidgetC(int iQuantity, const QVariant& rvarUnit, QWidget* parent = nullptr);
    // Minimum and maximum in the internal unit; the decimals apply to plain numbers.
    UnitWidgetC(int iQuantity, const QVariant& rvarUnit, double dMinimum, double dMaximum, int iDecimals,
                QWidget* parent = nullptr);
    ~UnitWidgetC() override;

    QVariant modelToDisplayValue(const QVariant& rvarModelValue) const override;
    // Invalid, with a report, for a text that is no value of the unit.
    QVariant displayToModelValue(const QVariant& rvarDisplayValue) const override;
    QString getUnitText() const override;

    int getQuantity() const;
    // The model's unit; report "pModel" when the model is no unit model.
    QVariant getUnit() const;
    void setUnit(const QVariant& rvarUnit);

public slots:
    // A date field follows a new date format with its mask and validator.
    void onUnitDisplayInfoChanged();

private:
    void setUpEditor();
    UnitValueModelC* unitModel() const;
    bool isDegreeMinuteSecond() const;
    bool isFootInch16th() const;

    int m_iQuantity;
    double m_dMinimum;
    double m_dMaximum;
    int m_iDecimals;
};

} // namespace GUI
} // namespace KTX
