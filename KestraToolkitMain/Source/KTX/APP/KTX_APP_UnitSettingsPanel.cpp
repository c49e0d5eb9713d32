#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"

#include "KTX/APP/KTX_APP_UnitSettingsModel.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"

#include "V40_GUI_ComboWidget.h"
#include "V40_LNG_TextTokens.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_UnitSettingsPanel", __LINE__)

namespace KTX {
namespace APP {

namespace {
enum
{
    TOKEN_ANGLE = 65,
    TOKEN_DISTANCE = 66,
    TOKEN_TEMPERATURE = 67,
    TOKEN_PRESSURE = 68
};
} // namespace

UnitSettingsPanelC::UnitSettingsPanelC(QWidget* parent)
    : V40::GUI::SettingsPanelC(parent)
{
    if (!qobject_cast<UnitSettingsModelC*>(getModel())) {
        KTX_APP_REPORT("pSettingsModel");
        return;
    }
    UTI::UnitConfigC oFactory;
    oFactory.setToDefault();
    addUnitRow(UnitSettingsModelC::KEY_ANGLE_UNIT, oFactory.getAngleUnit(), TOKEN_ANGLE);
    addUnitRow(UnitSettingsModelC::KEY_DISTANCE_UNIT, oFactory.getDistanceUnit(), TOKEN_DISTANCE);
    addUnitRow(UnitSettingsModelC::KEY_TEMPERATURE_UNIT, oFactory.getTemperatureUnit(), TOKEN_TEMPERATURE);
    addUnitRow(UnitSettingsModelC::KEY_PRESSURE_UNIT, oFactory.getPressureUnit(), TOKEN_PRESSURE);
    loadValues();
}

UnitSettingsPanelC::~UnitSettingsPanelC() = default;

V40::GUI::SettingsModelC* UnitSettingsPanelC::createModel()
{
    return new UnitSettingsModelC();
}

void UnitSettingsPanelC::addUnitRow(int iKey, int iFactoryUnit, int iLabelToken)
{
    V40::GUI::ComboWidgetC* pCombo = new V40::GUI::ComboWidgetC(nullptr, V40::GUI::ComboWidgetC::MODE_EDITABLE);
    const QList<QPair<QString, int>> listItems = UnitSettingsModelC::getUnitItems(iKey);
    for (const QPair<QString, int>& rItem : listItems)
        pCombo->addItem(rItem.first, rItem.second);
    addValueWidget(iKey, iFactoryUnit, iFactoryUnit, V40::LNG::getTextToken(iLabelToken), pCombo);
}

} // namespace APP
} // namespace KTX
