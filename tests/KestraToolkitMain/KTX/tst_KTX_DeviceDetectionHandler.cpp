// Attached hot-shoe devices become the active device once.
#include "KestraTest.h"

#include "KTX/KTX_DeviceDetectionHandler.h"

#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

class DeviceDetectionHandlerTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        KestraTest::clearReports();
        CCF::ITF::DeviceConfigurationC::resetActiveDevice();
    }

    void attachments_data()
    {
        QTest::addColumn<int>("iType");
        QTest::addColumn<int>("iState");
        QTest::addColumn<QString>("strExpectedDevice");
        QTest::newRow("63 attached") << 63 << 1 << QString::fromWCharArray(CCF::ITF::DEVICE_NAME_RADIO_HANDLE);
        QTest::newRow("71 attached") << 71 << 1 << QString::fromWCharArray(CCF::ITF::DEVICE_NAME_BLUETOOTH_HANDLE);
        QTest::newRow("63 detached") << 63 << 0 << QString();
        QTest::newRow("63 other state") << 63 << 2 << QString();
        QTest::newRow("other type") << 64 << 1 << QString();
    }

    void attachments()
    {
        QFETCH(int, iType);
        QFETCH(int, iState);
        QFETCH(QString, strExpectedDevice);
        KTX::DeviceDetectionHandlerC oHandler;
        QVERIFY(oHandler.startComponent(1));
        CCF::ITF::getDeviceService()->simulateDeviceState(iType, iState);
        // A second attachment while a device is active changes nothing.
        CCF::ITF::getDeviceService()->simulateDeviceState(iType == 63 ? 71 : 63, 1);

        CCF::ITF::DeviceConfigurationC oConfig;
        QString strName;
        int iPort = -1;
        const bool bActive = oConfig.getActiveDevice(strName, iPort);
        if (strExpectedDevice.isEmpty()) {
            // Only the second, valid attachment counts.
            QVERIFY(bActive);
            QCOMPARE(CCF::ITF::DeviceConfigurationC::activationCount(), 1);
            QVERIFY(strName != strExpectedDevice);
        } else {
            QVERIFY(bActive);
            QCOMPARE(strName, strExpectedDevice);
            QCOMPARE(iPort, int(CCF::ITF::TS_PORT_NO_HOTSHOE));
            QCOMPARE(CCF::ITF::DeviceConfigurationC::activationCount(), 1);
        }
        QVERIFY(KestraTest::assertTexts().isEmpty());
        QVERIFY(oHandler.stopComponent(1));
    }

    void stoppedHandlerHearsNothing()
    {
        KTX::DeviceDetectionHandlerC oHandler;
        oHandler.startComponent(1);
        QCOMPARE(CCF::ITF::getDeviceService()->notificationSource().subscriberCount(), 1);
        QCOMPARE(oHandler.subscribedPort(), int(CCF::ITF::TS_PORT_NO_HOTSHOE));
        oHandler.stopComponent(1);
        CCF::ITF::getDeviceService()->simulateDeviceState(63, 1);
        QCOMPARE(CCF::ITF::DeviceConfigurationC::activationCount(), 0);
        QCOMPARE(CCF::ITF::getDeviceService()->notificationSource().subscriberCount(), 0);
    }

    void foreignParameterBlockIsReported()
    {
        KTX::DeviceDetectionHandlerC oHandler;
        oHandler.startComponent(1);
        CCF::ITF::getDeviceService()->notificationSource().fire(63 << 8, 1, BSS::TSK::COMMAND_INHERITANCE_LEVEL + 1);
        QCOMPARE(KestraTest::assertTexts(), QStringList{"Param0.iInheritanceLevel == COMMAND_INHERITANCE_LEVEL"});
        oHandler.stopComponent(1);
    }
};

KESTRA_TEST_MAIN(DeviceDetectionHandlerTest)
#include "tst_KTX_DeviceDetectionHandler.moc"
