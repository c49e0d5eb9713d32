#pragma once
// The unit settings screen: F6 accepts the units, F5 asks for the factory units, Escape leaves.
// The panel lives as long as the state, so that coming back to it (after the factory units were
// set or storing failed) shows the values of the screen, not the stored ones.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

namespace KTX {
namespace APP {

class UnitSettingsPanelC;

class UnitSettingsStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit UnitSettingsStateC(QObject* parent = nullptr);
    ~UnitSettingsStateC() override;

    // Null until the state was first executed.
    UnitSettingsPanelC* getSettingsPanel() const;

public slots:
    // Leaves with the application's set-to-default code.
    void OnSetToDefault();

protected:
    QWidget* createPanel(QWidget* pPage) override;
    void addShortcuts() override;
    void prepareShow() override;
};

} // namespace APP
} // namespace KTX
