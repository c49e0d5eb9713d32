#include "KTX/APP/KTX_APP_CommunicationSettingsModel.h"

#include "V40_GUI_SettingsModel.h"
#include "V40_LNG_TextTokens.h"
#include "V40_LNG_TokenNames.h"

#include "Ferrolib/BSS_Assert.h"
#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"
#include "Marrowlib/CCF_ITF_DeviceProxy.h"
#include "Stadion/VMN_DeviceProxyCollection.h"

#define KTX_APP_REPORT(text) BSS_ASSERT_REPORT((text), "KTX_APP_CommunicationSettingsModel", __LINE__)

namespace KTX {
namespace APP {

namespace {

// Short designations of the two handle models; product names are not shown.
QString modelSuffix(int iDeviceType)
{
    switch (iDeviceType) {
    case CCF::ITF::DEVICE_TYPE_RADIO_HANDLE:
        return QStringLiteral(" (H63)");
    case CCF::ITF::DEVICE_TYPE_BLUETOOTH_HANDLE:
        return QStringLiteral(" (H71)");
    default:
        return QString();
    }
}

} // namespace

CommunicationSettingsModelC::CommunicationSettingsModelC()
    : m_upDeviceProxies(new VMN::DeviceProxyCollectionC())
    , m_iSelectedPort(NO_PORT)
    , m_iMode(MODE_PORT_SELECTION)
    , m_bRestartPending(false)
{
    readPortDevices();
    connect(&m_oObserver, static_cast<void (KTX::ObserverC::*)()>(&KTX::ObserverC::notify), this,
            &CommunicationSettingsModelC::onDevicesChanged);
    m_upDeviceProxies->subscribe(&m_oObserver);
}

CommunicationSettingsModelC::~CommunicationSettingsModelC()
{
    m_upDeviceProxies->unsubscribe(&m_oObserver);
}

void CommunicationSettingsModelC::readPortDevices()
{
    m_mapPortDevices = m_upDeviceProxies->getDeviceProxies();
    if (m_mapPortDevices.empty())
        KTX_APP_REPORT("!m_mapPortDevices.empty()");
}

void CommunicationSettingsModelC::onDevicesChanged()
{
    readPortDevices();
    emit notify();
}

const CommunicationSettingsModelC::PortMapT& CommunicationSettingsModelC::getPortDevices() const
{
    return m_mapPortDevices;
}

int CommunicationSettingsModelC::getSelectedPort() const
{
    return m_iSelectedPort;
}

void CommunicationSettingsModelC::setSelectedPort(int iPort)
{
    m_iSelectedPort = iPort;
}

QSharedPointer<CCF::ITF::DeviceProxyC> CommunicationSettingsModelC::getSelectedDevice() const
{
    return m_mapPortDevices.value(m_iSelectedPort);
}

int CommunicationSettingsModelC::getActivePort() const
{
    QString strName;
    int iPort = NO_PORT;
    return readActiveDevice(strName, iPort) ? iPort : int(NO_PORT);
}

bool CommunicationSettingsModelC::readActiveDevice(QString& rstrName, int& riPort)
{
    CCF::ITF::DeviceConfigurationC oDeviceCfg;
    return oDeviceCfg.open(1) && oDeviceCfg.getActiveDevice(rstrName, riPort);
}

int CommunicationSettingsModelC::getMode() const
{
    return m_iMode;
}

void CommunicationSettingsModelC::setMode(int iMode)
{
    m_iMode = iMode;
}

bool CommunicationSettingsModelC::isRestartPending() const
{
    return m_bRestartPending;
}

bool CommunicationSettingsModelC::isModified() const
{
    if (m_iMode == MODE_DEVICE_CONFIGURATION)
        return V40::APP::ApplicationModelBaseC::isModified();
    const QSharedPointer<CCF::ITF::DeviceProxyC> spDevice = getSelectedDevice();
    if (!spDevice)
        return false;
    QString strName;
    int iPort = NO_PORT;
    if (!readActiveDevice(strName, iPort))
        return true;
    return iPort != m_iSelectedPort || strName != QString::fromWCharArray(spDevice->getDeviceName());
}

bool CommunicationSettingsModelC::store()
{
    if (m_iMode != MODE_DEVICE_CONFIGURATION)
        return storePortChoice();
    const bool bStored = V40::APP::ApplicationModelBaseC::store();
    if (hasStoredSettingsModel())
        m_bRestartPending = true;
    return bStored;
}

bool CommunicationSettingsModelC::storePortChoice()
{
    const PortMapT& mapPortDevices = m_mapPortDevices;
    if (!mapPortDevices.contains(m_iSelectedPort)) {
        KTX_APP_REPORT("mapPortDevices.contains( m_iSelectedPort )");
        return false;
    }
    CCF::ITF::DeviceConfigurationC oDeviceCfg;
    if (!oDeviceCfg.open(1))
        return false;
    const QSharedPointer<CCF::ITF::DeviceProxyC> spDevice = mapPortDevices.value(m_iSelectedPort);
    if (oDeviceCfg.setDeviceActiveOnPort(spDevice->getDeviceName(), m_iSelectedPort) != CCF::ITF::RC_OK)
        return false;
    return oDeviceCfg.activate(1) == CCF::ITF::RC_OK;
}

QString CommunicationSettingsModelC::getPortText(const CCF::ITF::DeviceProxyC& rDevice)
{
    namespace TK = V40::LNG::TK;
    switch (rDevice.getPortType()) {
    case CCF::ITF::PORT_TYPE_RS232:
        return V40::LNG::getTextToken(TK::CommunicationSettings_RS232);
    case CCF::ITF::PORT_TYPE_BLUETOOTH_HANDLE:
        return V40::LNG::getTextToken(TK::CommunicationSettings_BluetoothHandle) + modelSuffix(rDevice.getDeviceType());
    case CCF::ITF::PORT_TYPE_INTERNAL_BLUETOOTH:
        return V40::LNG::getTextToken(TK::CommunicationSettings_InternalBluetooth) + modelSuffix(rDevice.getDeviceType());
    default:
        return QStringLiteral("----");
    }
}

} // namespace APP
} // namespace KTX
