#pragma once
// The unit settings screen: F6 accepts the units, F5 asks for the factory units, Escape leaves.
// The panel lives as long as the state, so that coming back to it (after the factory units were
// set or storing failed) shows the values of the screen, not the stored ones.
#include "V40_APP_ApplicationStateBase.h"

#include <QPointer>

namespace V40 {
namespace GUI {
class ContentBarBaseWidgetC;
}
} // namespace V40

namespace KTX {
namespace APP {

class UnitSettingsPanelC;

class UnitSettingsStateC : public V40::APP::ApplicationStateBaseC
{
    Q_OBJECT

public:
    explicit UnitSettingsStateC(QObject* parent = nullptr);
    ~UnitSettingsStateC() override;

    void execute() override;

    // Null until the state was first executed.
    UnitSettingsPanelC* getSettingsPanel() const;

public slots:
    // Leaves with the application's set-to-default code.
    void OnSetToDefault();

private:
    void createContentBar();

    QPointer<V40::GUI::ContentBarBaseWidgetC> m_pContentBarWidget;
    QPointer<UnitSettingsPanelC> m_pSettingsPanel;
};

} // namespace APP
} // namespace KTX
