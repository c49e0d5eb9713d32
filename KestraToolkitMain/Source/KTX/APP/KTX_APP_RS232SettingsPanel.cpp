#include "KTX/APP/KTX_APP_RS232SettingsPanel.h"

#include "KTX/APP/KTX_APP_RS232SettingsModel.h"

#include "V40_GUI_ComboWidget.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Marrowlib/CCF_ITF_DeviceProxy.h"
#include "Marrowlib/CCF_ITF_SerialConfiguration.h"

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;
using Model = RS232SettingsModelC;

RS232SettingsPanelC::RS232SettingsPanelC(const QSharedPointer<CCF::ITF::RS232ProxyC>& spDeviceProxy, QWidget* parent)
    : V40::GUI::SettingsPanelC(parent)
    , m_spDeviceProxy(spDeviceProxy)
{
    const QHash<int, QVariant> mapDefaults = Model::recordValues(CCF::ITF::SerialConfigurationC::defaultRecord());
    QList<ItemS> lstBaudRates;
    for (int iBaudRate : {1200, 2400, 4800, 9600, 14400, 19200, 38400, 57600, 115200})
        lstBaudRates.append({QString::number(iBaudRate), iBaudRate});
    addChoiceRow(Model::KEY_BAUD_RATE, TK::CommunicationSettings_Baudrate, lstBaudRates, mapDefaults.value(Model::KEY_BAUD_RATE));

    const QString strNone = V40::LNG::getTextToken(TK::CommunicationSettings_None);
    addChoiceRow(Model::KEY_PARITY, TK::CommunicationSettings_Parity,
                 {{strNone, int(Model::PARITY_NONE)},
                  {V40::LNG::getTextToken(TK::CommunicationSettings_Odd), int(Model::PARITY_ODD)},
                  {V40::LNG::getTextToken(TK::CommunicationSettings_Even), int(Model::PARITY_EVEN)}},
                 mapDefaults.value(Model::KEY_PARITY));
    addChoiceRow(Model::KEY_DATA_BITS, TK::CommunicationSettings_DataBits, {{"7", 7}, {"8", 8}}, mapDefaults.value(Model::KEY_DATA_BITS));
    addChoiceRow(Model::KEY_STOP_BITS, TK::CommunicationSettings_StopBits, {{"1", 0}, {"2", 1}},
                 mapDefaults.value(Model::KEY_STOP_BITS));
    addChoiceRow(Model::KEY_FLOW_CONTROL, TK::CommunicationSettings_FlowControl,
                 {{strNone, 0}, {V40::LNG::getTextToken(TK::CommunicationSettings_RTSCTS), 1}},
                 mapDefaults.value(Model::KEY_FLOW_CONTROL));
    loadValues();
}

RS232SettingsPanelC::~RS232SettingsPanelC() = default;

V40::GUI::SettingsModelC* RS232SettingsPanelC::createModel()
{
    return new RS232SettingsModelC(m_spDeviceProxy);
}

void RS232SettingsPanelC::addChoiceRow(int iKey, int iLabelToken, const QList<ItemS>& lstItems, const QVariant& rvarDefault)
{
    auto* pCombo = new V40::GUI::ComboWidgetC(nullptr, V40::GUI::ComboWidgetC::MODE_EDITABLE);
    for (const ItemS& rItem : lstItems)
        pCombo->addItem(rItem.strText, rItem.varValue);
    addValueWidget(iKey, rvarDefault, rvarDefault, V40::LNG::getTextToken(iLabelToken), pCombo);
}

} // namespace APP
} // namespace KTX
