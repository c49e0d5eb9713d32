#include "KTX/APP/KTX_APP_DateTimeSettingsState.h"

#include "KTX/APP/KTX_APP_DateTimeSettingsPanel.h"

#include "V40_LNG_TokenNames.h"

namespace KTX {
namespace APP {

DateTimeSettingsStateC::DateTimeSettingsStateC(QObject* parent)
    : SettingsPanelStateC(V40::LNG::TK::DateTimeSettings_DATETIME, NO_SET_TO_DEFAULT, parent)
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

} // namespace APP
} // namespace KTX
