#pragma once
// The model of the communication settings: the ports of the instrument with the devices on them,
// the port the user selected, and whether a port is being chosen or a device configured.
//
// While a port is chosen, the model is modified when the selected port is not the one in use,
// and storing makes its device the active one. While a device is configured, both work on the
// settings of the device's panel (registered under 0).
#include "KTX/KTX_Observer.h"

#include "V40_APP_ApplicationModelBase.h"

#include <QMap>
#include <QObject>
#include <QSharedPointer>
#include <QString>

#include <memory>

namespace CCF {
namespace ITF {
class DeviceProxyC;
}
} // namespace CCF

namespace VMN {
class DeviceProxyCollectionC;
}

namespace KTX {
namespace APP {

class CommunicationSettingsModelC : public QObject, public V40::APP::ApplicationModelBaseC
{
    Q_OBJECT

public:
    enum ModeE
    {
        MODE_PORT_SELECTION = 1,
        MODE_DEVICE_CONFIGURATION = 2
    };
    enum
    {
        NO_PORT = 255
    };

    using PortMapT = QMap<int, QSharedPointer<CCF::ITF::DeviceProxyC>>;

    CommunicationSettingsModelC();
    ~CommunicationSettingsModelC() override;

    bool isModified() const override;
    bool store() override;

    // Port identifier -> the device on it, in port order.
    const PortMapT& getPortDevices() const;
    // NO_PORT when none is selected.
    int getSelectedPort() const;
    void setSelectedPort(int iPort);
    // The device on the selected port, or null.
    QSharedPointer<CCF::ITF::DeviceProxyC> getSelectedDevice() const;
    // The port of the device the data link uses now, or NO_PORT.
    int getActivePort() const;

    int getMode() const;
    void setMode(int iMode);

    // A device setting was stored that the instrument takes only when it starts again.
    bool isRestartPending() const;

    // "RS232", "Bluetooth Handle (H71)" ...
    static QString getPortText(const CCF::ITF::DeviceProxyC& rDevice);

signals:
    // The ports or the devices on them changed; the port map is new.
    void notify();

private slots:
    void onDevicesChanged();

private:
    void readPortDevices();
    // The device the data link uses now and its port; false when there is none.
    static bool readActiveDevice(QString& rstrName, int& riPort);
    bool storePortChoice();

    std::unique_ptr<VMN::DeviceProxyCollectionC> m_upDeviceProxies;
    KTX::ObserverC m_oObserver;
    PortMapT m_mapPortDevices;
    int m_iSelectedPort;
    int m_iMode;
    bool m_bRestartPending;
};

} // namespace APP
} // namespace KTX
