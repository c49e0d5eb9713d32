#pragma once
// The list of the instrument's ports: F6 makes the selected port the one the data link uses,
// F5 ("CONF") opens the settings of the device on it, Escape leaves. The list follows the
// devices being attached and removed while it is shown.
#include "KTX/APP/KTX_APP_PanelStateBase.h"

#include <QPointer>

namespace V40 {
namespace GUI {
class ListWidgetC;
}
} // namespace V40

namespace KTX {
namespace APP {

class CommunicationSettingsModelC;

class CommunicationSettingsPortSelectionStateC : public PanelStateBaseC
{
    Q_OBJECT

public:
    explicit CommunicationSettingsPortSelectionStateC(QObject* parent = nullptr);
    ~CommunicationSettingsPortSelectionStateC() override;

    // Null until the state was first executed.
    V40::GUI::ListWidgetC* getPortList() const;

public slots:
    void UpdateToSelection();
    void OnOkPressed();
    void OnEscapePressed();
    // Leaves with the application's configure code.
    void OnConfigPressed();
    void OnDeviceProxyCollectionChanged();

protected:
    QWidget* createPanel(QWidget* pPage) override;
    void addShortcuts() override;
    void prepareShow() override;
    // The list is filled when the page is shown, from the model; built without one it is empty.
    bool canWarmUp() const override;
    bool refreshPanel() override;
    // The list takes the arrow keys.
    QWidget* focusOnShow() const override;

private:
    CommunicationSettingsModelC* communicationModel() const;
    // One row per port; the port that was selected stays selected while it is there.
    void fillPortList(int iPreferredPort);

    QPointer<V40::GUI::ListWidgetC> m_pPortList;
};

} // namespace APP
} // namespace KTX
