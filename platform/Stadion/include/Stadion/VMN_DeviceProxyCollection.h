#pragma once
// The instrument's ports and the devices on them: the serial port, the internal Bluetooth module
// when it is fitted, and a handle on the port without hot shoe when one is attached.
//
// Observers hear of every change of the ports or their devices, on a platform thread; once
// unsubscribe() has returned, an observer is not called any more.
#include "Ferrolib/BSS_TSK_Observer.h"
#include "Marrowlib/CCF_ITF_DeviceProxy.h"

#include <QList>
#include <QMap>
#include <QSharedPointer>

#include <memory>
#include <mutex>

namespace VMN {

class DeviceProxyCollectionC
{
public:
    DeviceProxyCollectionC();
    ~DeviceProxyCollectionC();
    DeviceProxyCollectionC(const DeviceProxyCollectionC&) = delete;
    DeviceProxyCollectionC& operator=(const DeviceProxyCollectionC&) = delete;

    // Port identifier (CCF::ITF::TS_PORT_...) -> the device on it, as the instrument has them now.
    QMap<int, QSharedPointer<CCF::ITF::DeviceProxyC>> getDeviceProxies() const;

    bool subscribe(BSS::TSK::ObserverC* pObserver);
    bool unsubscribe(BSS::TSK::ObserverC* pObserver);

private:
    void onSettingsChanged();

    // Held while observers are called, so that none is called after it left.
    std::mutex m_oMutex;
    QList<BSS::TSK::ObserverC*> m_lstObservers;
    int m_iWatch;
};

} // namespace VMN
