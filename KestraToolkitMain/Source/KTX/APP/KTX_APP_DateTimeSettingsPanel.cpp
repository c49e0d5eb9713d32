#include "KTX/APP/KTX_APP_DateTimeSettingsPanel.h"

#include "KTX/APP/KTX_APP_DateTimeSettingsModel.h"
#include "KTX/GUI/KTX_GUI_UnitWidget.h"
#include "KTX/UTI/KTX_UTI_Date.h"
#include "KTX/UTI/KTX_UTI_UnitConfig.h"
#include "KTX/UTI/KTX_UTI_UnitConverter.h"

#include "V40_GUI_ComboWidget.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_DateTimeSettingsPanel", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;
using Model = DateTimeSettingsModelC;

DateTimeSettingsPanelC::DateTimeSettingsPanelC(QWidget* parent)
    : V40::GUI::SettingsPanelC(parent)
{
    Model* pModel = qobject_cast<Model*>(getModel());
    if (!pModel) {
        KTX_APP_REPORT("pSettingsModel");
        return;
    }
    UTI::UnitConfigC oFactory;
    oFactory.setToDefault();

    auto* pTime = new GUI::UnitWidgetC(UTI::Q_Time, QVariant());
    connect(pTime, &GUI::UnitWidgetC::valueEdited, pModel, &Model::onTimeEdited);
    addValueWidget(Model::KEY_TIME, 0.0, 0.0, V40::LNG::getTextToken(TK::DateTimeSettings_Time24h), pTime);

    auto* pDate = new GUI::UnitWidgetC(UTI::Q_Date, oFactory.getDateFormat());
    connect(pDate, &GUI::UnitWidgetC::valueEdited, pModel, &Model::onDateEdited);
    addValueWidget(Model::KEY_DATE, 0.0, 0.0, V40::LNG::getTextToken(TK::DateTimeSettings_Date), pDate);

    auto* pFormat = new V40::GUI::ComboWidgetC(nullptr, V40::GUI::ComboWidgetC::MODE_EDITABLE);
    for (int iFormat : Model::dateFormats())
        pFormat->addItem(Model::getDateFormatText(iFormat), iFormat);
    addValueWidget(Model::KEY_DATE_FORMAT, oFactory.getDateFormat(), oFactory.getDateFormat(),
                   V40::LNG::getTextToken(TK::DateTimeSettings_Format), pFormat);
    loadValues();
}

DateTimeSettingsPanelC::~DateTimeSettingsPanelC() = default;

V40::GUI::SettingsModelC* DateTimeSettingsPanelC::createModel()
{
    return new DateTimeSettingsModelC();
}

void DateTimeSettingsPanelC::showEvent(QShowEvent* pEvent)
{
    if (Model* pModel = qobject_cast<Model*>(getModel()))
        pModel->followClock(true);
    V40::GUI::SettingsPanelC::showEvent(pEvent);
}

void DateTimeSettingsPanelC::hideEvent(QHideEvent* pEvent)
{
    if (Model* pModel = qobject_cast<Model*>(getModel()))
        pModel->followClock(false);
    V40::GUI::SettingsPanelC::hideEvent(pEvent);
}

} // namespace APP
} // namespace KTX
