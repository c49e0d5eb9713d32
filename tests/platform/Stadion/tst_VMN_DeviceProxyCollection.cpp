// The ports of the simulated instrument and the devices on them, as the simulator settings say:
// the list changes when a setting changes, observers hear of it on a platform thread and not
// after they left; the device configuration makes these devices active and keeps the choice.
#include "KestraTest.h"

#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"
#include "SimInstrument/VSIM_Settings.h"
#include "Stadion/VMN_DeviceProxyCollection.h"

#include <atomic>

namespace {

// "port:type:device type:name" of each port.
QStringList portsOf(const VMN::DeviceProxyCollectionC& rCollection)
{
    QStringList lstPorts;
    const auto mapDevices = rCollection.getDeviceProxies();
    for (auto it = mapDevices.cbegin(); it != mapDevices.cend(); ++it)
        lstPorts << QStringLiteral("%1:%2:%3:%4")
                        .arg(it.key())
                        .arg(it.value()->getPortType())
                        .arg(it.value()->getDeviceType())
                        .arg(QString::fromWCharArray(it.value()->getDeviceName()));
    return lstPorts;
}

class CountingObserverC : public BSS::TSK::ObserverC
{
public:
    void onNotify(int, int, BSS::TSK::ResponseMsgC*) override { ++m_iCalls; }
    std::atomic<int> m_iCalls{0};
};

} // namespace

class TestDeviceProxyCollection : public QObject
{
    Q_OBJECT

private slots:
    void portsFromTheSettings_data()
    {
        QTest::addColumn<int>("iHandle");
        QTest::addColumn<bool>("bInternal");
        QTest::addColumn<int>("iInternalDevice");
        QTest::addColumn<QStringList>("lstPorts");
        QTest::newRow("factory: RS232 and the internal module")
            << 0 << true << 0 << QStringList{"0:0:0:RS232", "1:2:0:InternalBluetooth"};
        QTest::newRow("handle 71 on the port without hot shoe")
            << 71 << true << 63 << QStringList{"0:0:0:RS232", "1:2:63:InternalBluetooth", "2:1:71:BluetoothHandle"};
        QTest::newRow("handle 63, no internal module") << 63 << false << 0 << QStringList{"0:0:0:RS232", "2:1:63:RadioHandle"};
        QTest::newRow("a handle of another type") << 5 << false << 0 << QStringList{"0:0:0:RS232", "2:1:5:Handle"};
    }

    void portsFromTheSettings()
    {
        QFETCH(int, iHandle);
        QFETCH(bool, bInternal);
        QFETCH(int, iInternalDevice);
        QFETCH(QStringList, lstPorts);
        QVERIFY(VSIM::SettingsC::setValues({{"Devices/BluetoothHandle", iHandle},
                                            {"Devices/InternalBluetooth", bInternal},
                                            {"Devices/InternalBluetoothDevice", iInternalDevice}}));
        VMN::DeviceProxyCollectionC oCollection;
        QCOMPARE(portsOf(oCollection), lstPorts);
    }

    void observersHearOfChanges()
    {
        VMN::DeviceProxyCollectionC oCollection;
        CountingObserverC oObserver;
        QVERIFY(oCollection.subscribe(&oObserver));
        QVERIFY(!oCollection.subscribe(&oObserver));
        // A setting of no port concerns nobody.
        QVERIFY(VSIM::SettingsC::setValue("Sensor/TiltL", 0.001));
        QVERIFY(VSIM::SettingsC::setValue("Devices/BluetoothHandle", 71));
        QVERIFY(KestraTest::waitFor([&] { return oObserver.m_iCalls == 1; }));
        QVERIFY(oCollection.unsubscribe(&oObserver));
        QVERIFY(VSIM::SettingsC::setValue("Devices/BluetoothHandle", 0));
        QTest::qWait(300);
        QCOMPARE(oObserver.m_iCalls.load(), 1);
    }

    void activeDeviceIsKept()
    {
        using namespace CCF::ITF;
        DeviceConfigurationC::resetActiveDevice();
        DeviceConfigurationC oDeviceCfg;
        QVERIFY(oDeviceCfg.open(1));
        QCOMPARE(oDeviceCfg.setDeviceActiveOnPort(L"Modem", TS_PORT_RS232), RC_UNKNOWN_DEVICE);
        QCOMPARE(oDeviceCfg.setDeviceActiveOnPort(DEVICE_NAME_INTERNAL_BLUETOOTH, TS_PORT_BLUETOOTH), RC_OK);
        QCOMPARE(oDeviceCfg.activate(1), RC_OK);
        oDeviceCfg.close();
        // Kept by the simulated instrument, as after a restart.
        QCOMPARE(VSIM::SettingsC::textValue("Devices/ActiveDevice"), QStringLiteral("InternalBluetooth"));
        QString strName;
        int iPort = -1;
        QVERIFY(DeviceConfigurationC().getActiveDevice(strName, iPort));
        QCOMPARE(strName, QStringLiteral("InternalBluetooth"));
        QCOMPARE(iPort, int(TS_PORT_BLUETOOTH));
    }
};

KESTRA_TEST_MAIN(TestDeviceProxyCollection)
#include "tst_VMN_DeviceProxyCollection.moc"
