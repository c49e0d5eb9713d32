#include "KTX/APP/KTX_APP_CommunicationSettingsConfigurationState.h"

#include "KTX/APP/KTX_APP_BluetoothSettingsPanel.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsApplication.h"
#include "KTX/APP/KTX_APP_CommunicationSettingsModel.h"
#include "KTX/APP/KTX_APP_RS232SettingsPanel.h"

#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Marrowlib/CCF_ITF_DeviceProxy.h"

#include <QVBoxLayout>

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CommunicationSettingsConfigurationState", __LINE__)

namespace KTX {
namespace APP {

namespace TK = V40::LNG::TK;
using Model = CommunicationSettingsModelC;

CommunicationSettingsConfigurationStateC::CommunicationSettingsConfigurationStateC(QObject* parent)
    : PanelStateBaseC(TK::CommunicationSettings_COMMUNICATIONSETTINGS, parent)
{
}

CommunicationSettingsConfigurationStateC::~CommunicationSettingsConfigurationStateC()
{
    // A panel waiting for its first show has no parent yet.
    if (m_pDevicePanel && !m_pDevicePanel->parent())
        delete m_pDevicePanel.data();
}

V40::GUI::SettingsPanelC* CommunicationSettingsConfigurationStateC::getDevicePanel() const
{
    return m_pDevicePanel;
}

void CommunicationSettingsConfigurationStateC::execute()
{
    auto* pModel = dynamic_cast<Model*>(modelOrNull());
    if (!pModel) {
        KTX_APP_REPORT("pModel");
        return;
    }
    if (pModel->getMode() != Model::MODE_DEVICE_CONFIGURATION || !m_pDevicePanel) {
        delete m_pDevicePanel.data();
        m_pDevicePanel = createDevicePanel(*pModel);
        pModel->setMode(Model::MODE_DEVICE_CONFIGURATION);
        if (!m_pDevicePanel) {
            // Nothing modified: the way back passes the exit question without asking.
            OnFail();
            return;
        }
        pModel->addSettingsModel(0, m_pDevicePanel->getModel());
    }
    PanelStateBaseC::execute();
}

V40::GUI::SettingsPanelC* CommunicationSettingsConfigurationStateC::createDevicePanel(const Model& rModel)
{
    const QSharedPointer<CCF::ITF::DeviceProxyC> spDevice = rModel.getSelectedDevice();
    const int iPortType = spDevice ? spDevice->getPortType() : -1;
    if (iPortType == CCF::ITF::PORT_TYPE_RS232) {
        const QSharedPointer<CCF::ITF::RS232ProxyC> spDeviceProxy = spDevice.dynamicCast<CCF::ITF::RS232ProxyC>();
        if (!spDeviceProxy) {
            KTX_APP_REPORT("spDeviceProxy");
            return nullptr;
        }
        return new RS232SettingsPanelC(spDeviceProxy);
    }
    if (iPortType == CCF::ITF::PORT_TYPE_INTERNAL_BLUETOOTH)
        return new BluetoothSettingsPanelC();
    KTX_APP_REPORT("Invalid port for device configuration.");
    return nullptr;
}

QWidget* CommunicationSettingsConfigurationStateC::createPanel(QWidget* pPage)
{
    m_pHolder = new QWidget(pPage);
    QVBoxLayout* pLayout = new QVBoxLayout(m_pHolder);
    pLayout->setContentsMargins(0, 0, 0, 0);
    return m_pHolder;
}

void CommunicationSettingsConfigurationStateC::addShortcuts()
{
    addShortcut(Qt::Key_Escape, 0, &CommunicationSettingsConfigurationStateC::OnFail);
    addShortcut(Qt::Key_F5, TK::Functionkey_DEFAULT, &CommunicationSettingsConfigurationStateC::OnSetToDefault);
    addShortcut(Qt::Key_F6, TK::Functionkey_OK, &CommunicationSettingsConfigurationStateC::OnSuccess);
}

void CommunicationSettingsConfigurationStateC::prepareShow()
{
    if (m_pDevicePanel && m_pDevicePanel->parentWidget() != m_pHolder)
        m_pHolder->layout()->addWidget(m_pDevicePanel);
}

void CommunicationSettingsConfigurationStateC::OnSetToDefault()
{
    OnExit(CommunicationSettingsApplicationC::s_iExitCodeSetToDefault);
}

} // namespace APP
} // namespace KTX
