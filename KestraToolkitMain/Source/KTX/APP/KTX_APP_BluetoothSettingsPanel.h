#pragma once
// The PIN of the internal Bluetooth module: a field of exactly four digits.
#include "V40_GUI_SettingsPanel.h"

namespace KTX {
namespace APP {

class BluetoothSettingsPanelC : public V40::GUI::SettingsPanelC
{
    Q_OBJECT

public:
    explicit BluetoothSettingsPanelC(QWidget* parent = nullptr);
    ~BluetoothSettingsPanelC() override;

protected:
    // A BluetoothSettingsModelC.
    V40::GUI::SettingsModelC* createModel() override;
};

} // namespace APP
} // namespace KTX
