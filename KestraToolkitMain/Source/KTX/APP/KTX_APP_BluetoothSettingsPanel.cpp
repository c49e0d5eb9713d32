#include "KTX/APP/KTX_APP_BluetoothSettingsPanel.h"

#include "KTX/APP/KTX_APP_BluetoothSettingsModel.h"

#include "V40_GUI_ValueWidget.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include <QRegularExpressionValidator>

namespace KTX {
namespace APP {

BluetoothSettingsPanelC::BluetoothSettingsPanelC(QWidget* parent)
    : V40::GUI::SettingsPanelC(parent)
{
    auto* pPin = new V40::GUI::ValueWidgetC(nullptr, V40::GUI::ValueWidgetC::MODE_EDITABLE);
    pPin->setInputMask(QStringLiteral("9999"));
    // The mask lets a field be left with fewer digits; only four are a PIN.
    pPin->setValidator(new QRegularExpressionValidator(BluetoothSettingsModelC::pinExpression()));
    const QString strDefault = BluetoothSettingsModelC::defaultPin();
    addValueWidget(BluetoothSettingsModelC::KEY_PIN, strDefault, strDefault,
                   V40::LNG::getTextToken(V40::LNG::TK::CommunicationSettings_Pin), pPin);
    loadValues();
}

BluetoothSettingsPanelC::~BluetoothSettingsPanelC() = default;

V40::GUI::SettingsModelC* BluetoothSettingsPanelC::createModel()
{
    return new BluetoothSettingsModelC();
}

} // namespace APP
} // namespace KTX
