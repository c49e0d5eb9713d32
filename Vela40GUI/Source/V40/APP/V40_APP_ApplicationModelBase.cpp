#include "V40_APP_ApplicationModelBase.h"

#include "V40_APP_ExitCode.h"

#include "V40_GUI_SettingsModel.h"

#include "Ferrolib/BSS_Assert.h"

#define V40_APP_REPORT(text) BSS_ASSERT_REPORT((text), "V40_APP_ApplicationModelBase", __LINE__)

namespace V40 {
namespace APP {

ApplicationModelBaseC::ApplicationModelBaseC()
    : m_iResultCode(RESULT_NONE)
{
}

ApplicationModelBaseC::~ApplicationModelBaseC() = default;

bool ApplicationModelBaseC::isModified() const
{
    for (auto it = m_mapSettingsModels.cbegin(); it != m_mapSettingsModels.cend(); ++it) {
        if (it.value() && it.value()->isModified())
            return true;
    }
    return false;
}

bool ApplicationModelBaseC::store()
{
    bool bLive = false;
    bool bResult = true;
    for (auto it = m_mapSettingsModels.cbegin(); it != m_mapSettingsModels.cend(); ++it) {
        GUI::SettingsModelC* pModel = it.value();
        if (!pModel)
            continue;
        bLive = true;
        // Once a store has failed, the remaining modified models are not stored.
        if (bResult && pModel->isModified())
            bResult = pModel->store();
    }
    // Nothing to store into: not a success.
    return bLive && bResult;
}

int ApplicationModelBaseC::getResultCode() const
{
    return m_iResultCode;
}

void ApplicationModelBaseC::setResultCode(int iResultCode)
{
    m_iResultCode = iResultCode;
}

bool ApplicationModelBaseC::hasResultCode() const
{
    return m_iResultCode >= 0;
}

void ApplicationModelBaseC::clearResultCode()
{
    m_iResultCode = -1;
}

void ApplicationModelBaseC::addSettingsModel(int iId, GUI::SettingsModelC* pModel)
{
    const auto itFound = m_mapSettingsModels.constFind(iId);
    if (itFound != m_mapSettingsModels.cend()) {
        // Registering the same model again changes nothing; an entry whose model has been
        // destroyed is simply replaced.
        if (itFound.value() == pModel && pModel)
            return;
        if (itFound.value())
            V40_APP_REPORT("!m_mapSettingsModels.contains(iId)");
    }
    m_mapSettingsModels.insert(iId, QPointer<GUI::SettingsModelC>(pModel));
}

void ApplicationModelBaseC::addSettingsModel(GUI::SettingsModelC* pModel)
{
    addSettingsModel(0, pModel);
}

GUI::SettingsModelC* ApplicationModelBaseC::getSettingsModel(int iId) const
{
    return m_mapSettingsModels.value(iId).data();
}

bool ApplicationModelBaseC::hasStoredSettingsModel() const
{
    for (auto it = m_mapSettingsModels.cbegin(); it != m_mapSettingsModels.cend(); ++it) {
        if (it.value() && it.value()->isStored())
            return true;
    }
    return false;
}

} // namespace APP
} // namespace V40
