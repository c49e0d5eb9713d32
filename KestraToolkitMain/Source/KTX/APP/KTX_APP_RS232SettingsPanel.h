#pragma once
// The five serial parameters of the RS232 port, each a choice; the defaults are those of the
// port's default serial configuration.
#include "V40_GUI_SettingsPanel.h"

#include <QSharedPointer>

namespace CCF {
namespace ITF {
class RS232ProxyC;
}
} // namespace CCF

namespace KTX {
namespace APP {

class RS232SettingsPanelC : public V40::GUI::SettingsPanelC
{
    Q_OBJECT

public:
    explicit RS232SettingsPanelC(const QSharedPointer<CCF::ITF::RS232ProxyC>& spDeviceProxy, QWidget* parent = nullptr);
    ~RS232SettingsPanelC() override;

protected:
    // An RS232SettingsModelC of the port.
    V40::GUI::SettingsModelC* createModel() override;

private:
    struct ItemS
    {
        QString strText;
        QVariant varValue;
    };
    void addChoiceRow(int iKey, int iLabelToken, const QList<ItemS>& lstItems, const QVariant& rvarDefault);

    QSharedPointer<CCF::ITF::RS232ProxyC> m_spDeviceProxy;
};

} // namespace APP
} // namespace KTX
