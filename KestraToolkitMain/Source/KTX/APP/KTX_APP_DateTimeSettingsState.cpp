#include "KTX/APP/KTX_APP_DateTimeSettingsState.h"

#include "KTX/APP/KTX_APP_DateTimeSettingsPanel.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

DateTimeSettingsStateC::DateTimeSettingsStateC(QObject* parent)
    : PanelStateBaseC(V40::LNG::TK::DateTimeSettings_DATETIME, parent)
{
}

DateTimeSettingsStateC::~DateTimeSettingsStateC() = default;

DateTimeSettingsPanelC* DateTimeSettingsStateC::getSettingsPanel() const
{
    return qobject_cast<DateTimeSettingsPanelC*>(getPanel());
}

QWidget* DateTimeSettingsStateC::createPanel(QWidget* pPage)
{
    return new DateTimeSettingsPanelC(pPage);
}

void DateTimeSettingsStateC::prepareShow()
{
    getModel()->addSettingsModel(0, getSettingsPanel()->getModel());
}

} // namespace APP
} // namespace KTX
