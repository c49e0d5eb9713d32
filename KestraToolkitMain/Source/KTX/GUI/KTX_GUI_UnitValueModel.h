#pragma once
// The value of a unit field, kept in its internal unit, together with the unit it is shown in:
// a unit code of the unit converter, or the date format for dates.
#include "V40_GUI_ValueModel.h"

namespace KTX {
namespace GUI {

class UnitValueModelC : public V40::GUI::ValueModelC
{
    Q_OBJECT

public:
    explicit UnitValueModelC(const QVariant& rvarUnit, QObject* parent = nullptr);
    ~UnitValueModelC() override;

    QVariant getUnit() const;
    // Emits unitDisplayInfoChanged() only when the unit really changes.
    void setUnit(const QVariant& rvarUnit);

signals:
    void unitDisplayInfoChanged();

private:
    QVariant m_varUnit;
};

} // namespace GUI
} // namespace KTX
