#include "Stadion/VMN_DeviceProxyCollection.h"

#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

namespace VMN {

namespace {

const QString kHandleKey = QStringLiteral("Devices/BluetoothHandle");
const QString kInternalKey = QStringLiteral("Devices/InternalBluetooth");
const QString kInternalDeviceKey = QStringLiteral("Devices/InternalBluetoothDevice");

} // namespace

DeviceProxyCollectionC::DeviceProxyCollectionC()
    : m_iWatch(-1)
{
}

DeviceProxyCollectionC::~DeviceProxyCollectionC()
{
    if (m_iWatch >= 0)
        VSIM::SettingsWatcherC::unsubscribe(m_iWatch);
}

QMap<int, QSharedPointer<CCF::ITF::DeviceProxyC>> DeviceProxyCollectionC::getDeviceProxies() const
{
    using namespace CCF::ITF;
    QMap<int, QSharedPointer<DeviceProxyC>> mapDevices;
    mapDevices.insert(TS_PORT_RS232, QSharedPointer<DeviceProxyC>(new RS232ProxyC(TS_PORT_RS232)));
    if (VSIM::SettingsC::boolValue(kInternalKey))
        mapDevices.insert(TS_PORT_BLUETOOTH,
                          QSharedPointer<DeviceProxyC>(new DeviceProxyC(TS_PORT_BLUETOOTH, PORT_TYPE_INTERNAL_BLUETOOTH,
                                                                        VSIM::SettingsC::intValue(kInternalDeviceKey),
                                                                        DEVICE_NAME_INTERNAL_BLUETOOTH)));
    const int iHandle = VSIM::SettingsC::intValue(kHandleKey);
    if (iHandle > 0)
        mapDevices.insert(TS_PORT_NO_HOTSHOE,
                          QSharedPointer<DeviceProxyC>(new DeviceProxyC(TS_PORT_NO_HOTSHOE, PORT_TYPE_BLUETOOTH_HANDLE,
                                                                        iHandle, handleDeviceName(iHandle))));
    return mapDevices;
}

bool DeviceProxyCollectionC::subscribe(BSS::TSK::ObserverC* pObserver)
{
    if (!pObserver)
        return false;
    {
        std::unique_lock<std::mutex> oLock(m_oMutex);
        if (m_lstObservers.contains(pObserver))
            return false;
        m_lstObservers.append(pObserver);
    }
    if (m_iWatch < 0)
        m_iWatch = VSIM::SettingsWatcherC::subscribe([this](const QStringList& lstChangedKeys) {
            if (lstChangedKeys.contains(kHandleKey) || lstChangedKeys.contains(kInternalKey)
                || lstChangedKeys.contains(kInternalDeviceKey))
                onSettingsChanged();
        });
    pObserver->onSubscribed();
    return true;
}

bool DeviceProxyCollectionC::unsubscribe(BSS::TSK::ObserverC* pObserver)
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    if (!m_lstObservers.removeOne(pObserver))
        return false;
    pObserver->onUnsubscribed();
    return true;
}

void DeviceProxyCollectionC::onSettingsChanged()
{
    std::unique_lock<std::mutex> oLock(m_oMutex);
    for (BSS::TSK::ObserverC* pObserver : qAsConst(m_lstObservers))
        pObserver->onNotify(0, 0, nullptr);
}

} // namespace VMN
