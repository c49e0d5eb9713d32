#pragma once
// The unit settings screen: F6 accepts the units, F5 asks for the factory units, Escape leaves.
// The panel lives as long as the state, so that coming back to it (after the factory units were
// set or storing failed) shows the values of the screen, not the stored ones.
#include "KTX/APP/KTX_APP_SettingsPanelState.h"

namespace KTX {
namespace APP {

class UnitSettingsPanelC;

class UnitSettingsStateC : public SettingsPanelStateC
{
    Q_OBJECT

public:
    explicit UnitSettingsStateC(QObject* parent = nullptr);
    ~UnitSettingsStateC() override;

    // Null until the state was first executed.
    UnitSettingsPanelC* getSettingsPanel() const;

protected:
    QWidget* createPanel(QWidget* pPage) override;
};

} // namespace APP
} // namespace KTX
