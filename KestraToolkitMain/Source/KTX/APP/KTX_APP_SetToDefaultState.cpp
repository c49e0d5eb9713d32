#include "KTX/APP/KTX_APP_SetToDefaultState.h"

#include "V40_APP_ApplicationModelBase.h"
#include "V40_GUI_SettingsModel.h"

#include "Ferrolib/BSS_Assert.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_SetToDefaultState", __LINE__)

namespace KTX {
namespace APP {

SetToDefaultStateC::SetToDefaultStateC(QObject* parent)
    : V40::APP::ApplicationStateBaseC(parent)
{
}

SetToDefaultStateC::~SetToDefaultStateC() = default;

void SetToDefaultStateC::execute()
{
    V40::APP::ApplicationModelBaseC* pModel = modelOrNull();
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    V40::GUI::SettingsModelC* pSettingsModel = pModel->getSettingsModel(0);
    if (!pSettingsModel) {
        KTX_APP_REPORT("pSettingsModel");
        return;
    }
    pSettingsModel->setToDefault();
    OnSuccess();
}

} // namespace APP
} // namespace KTX
