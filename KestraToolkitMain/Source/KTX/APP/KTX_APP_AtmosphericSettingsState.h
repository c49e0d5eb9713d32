#pragma once
// The atmospheric settings screen: F6 accepts the values, F5 asks for the factory values, Escape
// leaves. The panel lives as long as the state, so that coming back to it shows the screen's values.
#include "KTX/APP/KTX_APP_SettingsPanelState.h"

namespace KTX {
namespace APP {

class AtmosphericSettingsPanelC;

class AtmosphericSettingsStateC : public SettingsPanelStateC
{
    Q_OBJECT

public:
    explicit AtmosphericSettingsStateC(QObject* parent = nullptr);
    ~AtmosphericSettingsStateC() override;

    // Null until the state was first executed.
    AtmosphericSettingsPanelC* getSettingsPanel() const;

protected:
    QWidget* createPanel(QWidget* pPage) override;
};

} // namespace APP
} // namespace KTX
