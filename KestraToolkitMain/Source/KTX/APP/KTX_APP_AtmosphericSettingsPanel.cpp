#include "KTX/APP/KTX_APP_AtmosphericSettingsPanel.h"

#include "KTX/APP/KTX_APP_AtmosphericSettingsModel.h"
#include "KTX/GUI/KTX_GUI_UnitWidget.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "V40_GUI_ComboWidget.h"
#include "V40_GUI_DoubleValidator.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#include <limits>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_AtmosphericSettingsPanel", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;
using Model = AtmosphericSettingsModelC;

AtmosphericSettingsPanelC::AtmosphericSettingsPanelC(QWidget* parent)
    : V40::GUI::SettingsPanelC(parent)
{
    if (!qobject_cast<Model*>(getModel())) {
        KTX_APP_REPORT("pSettingsModel");
        return;
    }
    m_lstUnits = configuredUnits();
    const int iEditable = V40::GUI::AbstractValueWidgetC::MODE_EDITABLE;
    addUnitRow(Model::KEY_HEIGHT, UTI::Q_Distance, m_lstUnits.at(0), -2000.0, 10000.0, 3, 0.0,
               TK::AtmosphericSettings_ZMSL);
    addUnitRow(Model::KEY_TEMPERATURE, UTI::Q_Temperature, m_lstUnits.at(1), -50.0, 70.0, 1, 12,
               TK::AtmosphericSettings_Temperature);
    addUnitRow(Model::KEY_PRESSURE, UTI::Q_Pressure, m_lstUnits.at(2), 289.8, 1301.4, 2, 1013.25,
               TK::AtmosphericSettings_Pressure);
    addNumberRow(Model::KEY_HUMIDITY, 0.0, 100.0, 1, QStringLiteral("%"), 60, TK::AtmosphericSettings_Humidity,
                 iEditable);
    addNumberRow(Model::KEY_PPM, std::numeric_limits<double>::lowest(), std::numeric_limits<double>::max(), 1,
                 QStringLiteral("PPM"), 0, TK::AtmosphericSettings_AtmosPPM,
                 V40::GUI::AbstractValueWidgetC::MODE_DISPLAY_ONLY);
    addNumberRow(Model::KEY_REFRACTION_COEFFICIENT, -0.2, 0.3, 2, QString(), 0.13, TK::AtmosphericSettings_RefrCoeff,
                 iEditable);

    auto* pSwitch = new V40::GUI::ComboWidgetC(nullptr, iEditable);
    pSwitch->addItem(V40::LNG::getTextToken(TK::AtmosphericSettings_Yes), true);
    pSwitch->addItem(V40::LNG::getTextToken(TK::AtmosphericSettings_No), false);
    addValueWidget(Model::KEY_USE_REFRACTION, true, true, V40::LNG::getTextToken(TK::AtmosphericSettings_UseRefrC),
                   pSwitch);
    loadValues();
}

AtmosphericSettingsPanelC::~AtmosphericSettingsPanelC() = default;

bool AtmosphericSettingsPanelC::refresh()
{
    return configuredUnits() == m_lstUnits && V40::GUI::SettingsPanelC::refresh();
}

QList<int> AtmosphericSettingsPanelC::configuredUnits()
{
    UTI::UnitConfigC oUnits;
    oUnits.load();
    return {oUnits.getDistanceUnit(), oUnits.getTemperatureUnit(), oUnits.getPressureUnit()};
}

V40::GUI::SettingsModelC* AtmosphericSettingsPanelC::createModel()
{
    return new Model();
}

void AtmosphericSettingsPanelC::addUnitRow(int iKey, int iQuantity, int iUnit, double dMinimum, double dMaximum,
                                           int iDecimals, const QVariant& rvarDefault, int iLabelToken)
{
    auto* pWidget = new GUI::UnitWidgetC(iQuantity, iUnit, dMinimum, dMaximum, iDecimals);
    addValueWidget(iKey, rvarDefault, rvarDefault, V40::LNG::getTextToken(iLabelToken), pWidget);
}

void AtmosphericSettingsPanelC::addNumberRow(int iKey, double dMinimum, double dMaximum, int iDecimals,
                                             const QString& strUnitText, const QVariant& rvarDefault,
                                             int iLabelToken, int iMode)
{
    auto* pWidget = new V40::GUI::ValueWidgetC(nullptr, iMode);
    pWidget->setValidator(new V40::GUI::DoubleValidatorC(dMinimum, dMaximum, iDecimals));
    pWidget->setUnitText(strUnitText);
    addValueWidget(iKey, rvarDefault, rvarDefault, V40::LNG::getTextToken(iLabelToken), pWidget);
}

} // namespace APP
} // namespace KTX
