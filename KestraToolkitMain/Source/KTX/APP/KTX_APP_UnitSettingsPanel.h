#pragma once
// The four unit rows (angle, distance, temperature, pressure), each a choice of display units,
// loaded from the stored unit configuration.
#include "V40_GUI_SettingsPanel.h"

namespace KTX {
namespace APP {

class UnitSettingsPanelC : public V40::GUI::SettingsPanelC
{
    Q_OBJECT

public:
    explicit UnitSettingsPanelC(QWidget* parent = nullptr);
    ~UnitSettingsPanelC() override;

protected:
    // A UnitSettingsModelC.
    V40::GUI::SettingsModelC* createModel() override;

private:
    void addUnitRow(int iKey, int iFactoryUnit, int iLabelToken);
};

} // namespace APP
} // namespace KTX
