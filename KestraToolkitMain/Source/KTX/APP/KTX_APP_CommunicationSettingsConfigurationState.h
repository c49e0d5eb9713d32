#pragma once
// The settings of the device on the selected port: F6 stores them, F5 puts the defaults on the
// screen, Escape leaves. Coming from the port list the panel is made afresh for the port; coming
// back from the defaults or from the exit question it keeps what the screen showed. A port
// without settings shows no panel and goes back to the list.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

#include <QPointer>

namespace V40 {
namespace GUI {
class SettingsPanelC;
}
} // namespace V40

namespace KTX {
namespace APP {

class CommunicationSettingsModelC;

class CommunicationSettingsConfigurationStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit CommunicationSettingsConfigurationStateC(QObject* parent = nullptr);
    ~CommunicationSettingsConfigurationStateC() override;

    void execute() override;

    // The panel of the device being configured, or null.
    V40::GUI::SettingsPanelC* getDevicePanel() const;

public slots:
    // Leaves with the application's set-to-default code.
    void OnSetToDefault();

protected:
    QWidget* createPanel(QWidget* pPage) override;
    void addShortcuts() override;
    void prepareShow() override;

private:
    // The panel for the device on the selected port; null, with a report, when it has none.
    static V40::GUI::SettingsPanelC* createDevicePanel(const CommunicationSettingsModelC& rModel);

    QPointer<QWidget> m_pHolder;
    QPointer<V40::GUI::SettingsPanelC> m_pDevicePanel;
};

} // namespace APP
} // namespace KTX
