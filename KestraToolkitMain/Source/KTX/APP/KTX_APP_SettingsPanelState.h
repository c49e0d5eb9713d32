#pragma once
// The screen of a settings application: its settings panel, F6 accepts the values, F5 asks for the
// factory values (the application's set-to-default exit code), Escape leaves. The panel's model is
// the application's settings model 0. A screen without factory values (NO_SET_TO_DEFAULT) has no F5.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

namespace V40 {
namespace GUI {
class SettingsPanelC;
}
} // namespace V40

namespace KTX {
namespace APP {

class SettingsPanelStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    static constexpr int NO_SET_TO_DEFAULT = -1;

    SettingsPanelStateC(int iTitleToken, int iExitCodeSetToDefault, QObject* parent = nullptr);
    ~SettingsPanelStateC() override;

public slots:
    // Leaves with the application's set-to-default code.
    void OnSetToDefault();

protected:
    // A settings panel brings its own model.
    bool canWarmUp() const override;
    // The panel's own refresh().
    bool refreshPanel() override;
    void addShortcuts() override;
    void prepareShow() override;

private:
    V40::GUI::SettingsPanelC* settingsPanel() const;

    const int m_iExitCodeSetToDefault;
};

} // namespace APP
} // namespace KTX
