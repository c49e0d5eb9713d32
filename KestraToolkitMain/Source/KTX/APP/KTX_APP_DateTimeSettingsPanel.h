#pragma once
// The time, the date and the date format. Time and date follow the instrument's clock until the
// user edits them; the date row takes a newly chosen format at once.
#include "V40_GUI_SettingsPanel.h"

namespace KTX {
namespace APP {

class DateTimeSettingsPanelC : public V40::GUI::SettingsPanelC
{
    Q_OBJECT

public:
    explicit DateTimeSettingsPanelC(QWidget* parent = nullptr);
    ~DateTimeSettingsPanelC() override;

protected:
    // A DateTimeSettingsModelC.
    V40::GUI::SettingsModelC* createModel() override;
    // The rows follow the clock while they are shown.
    void showEvent(QShowEvent* pEvent) override;
    void hideEvent(QHideEvent* pEvent) override;
};

} // namespace APP
} // namespace KTX
