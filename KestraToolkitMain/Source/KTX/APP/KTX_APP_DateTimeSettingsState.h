#pragma once
// The date and time screen: F6 sets what was edited, Escape leaves. The panel lives as long as
// the state, so that coming back after a failed store shows the edited values.
#include "KTX/APP/KTX_APP_SettingsPanelState.h"

namespace KTX {
namespace APP {

class DateTimeSettingsPanelC;

class DateTimeSettingsStateC : public SettingsPanelStateC
{
    Q_OBJECT

public:
    explicit DateTimeSettingsStateC(QObject* parent = nullptr);
    ~DateTimeSettingsStateC() override;

    // Null until the state was first executed.
    DateTimeSettingsPanelC* getSettingsPanel() const;

protected:
    QWidget* createPanel(QWidget* pPage) override;
};

} // namespace APP
} // namespace KTX
