#include "KTX/APP/KTX_APP_UnitSettingsPanel.h"

#include "KTX/APP/KTX_APP_UnitSettingsModel.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"

#include "V40_GUI_ComboWidget.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_UnitSettingsPanel", __LINE__)

namespace KTX {
namespace APP {

UnitSettingsPanelC::UnitSettingsPanelC(QWidget* parent)
    : V40::GUI::SettingsPanelC(parent)
{
    if (!qobject_cast<UnitSettingsModelC*>(getModel())) {
        KTX_APP_REPORT("pSettingsModel");
        return;
    }
    UTI::UnitConfigC oFactory;
    oFactory.setToDefault();
    addUnitRow(UnitSettingsModelC::KEY_ANGLE_UNIT, oFactory.getAngleUnit(), V40::LNG::TK::UnitSettings_Angle);
    addUnitRow(UnitSettingsModelC::KEY_DISTANCE_UNIT, oFactory.getDistanceUnit(), V40::LNG::TK::UnitSettings_Distance);
    addUnitRow(UnitSettingsModelC::KEY_TEMPERATURE_UNIT, oFactory.getTemperatureUnit(), V40::LNG::TK::UnitSettings_Temperature);
    addUnitRow(UnitSettingsModelC::KEY_PRESSURE_UNIT, oFactory.getPressureUnit(), V40::LNG::TK::UnitSettings_Pressure);
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
