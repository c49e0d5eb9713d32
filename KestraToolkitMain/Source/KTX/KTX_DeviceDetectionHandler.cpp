#include "KTX/KTX_DeviceDetectionHandler.h"

#include "Ferrolib/BSS_Assert.h"
#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

namespace KTX {

namespace {
constexpr int kStateAttached = 1;
} // namespace

DeviceDetectionHandlerC::DeviceDetectionHandlerC() = default;

DeviceDetectionHandlerC::~DeviceDetectionHandlerC()
{
    unsubscribe();
}

bool DeviceDetectionHandlerC::startComponent(int iArg)
{
    const bool bStarted = BSS::TSK::SysComponentC::startComponent(iArg);
    if (CCF::ITF::DeviceServiceC* pDeviceService = CCF::ITF::getDeviceService()) {
        bindCommand([this](int iCode, int iState) { onDeviceNotification(iCode, iState); });
        CCF::ITF::PortServiceC* pPortService = CCF::ITF::getPortService();
        subscribe(&pDeviceService->notificationSource(), pPortService ? pPortService->port() : -1);
    }
    return bStarted;
}

bool DeviceDetectionHandlerC::stopComponent(int iArg)
{
    unsubscribe();
    return BSS::TSK::SysComponentC::stopComponent(iArg);
}

void DeviceDetectionHandlerC::executeCommand(const BSS::TSK::CommandParamS& rParams)
{
    if (rParams.iInheritanceLevel != BSS::TSK::COMMAND_INHERITANCE_LEVEL)
        BSS_ASSERT_REPORT("Param0.iInheritanceLevel == COMMAND_INHERITANCE_LEVEL", "KTX_DeviceDetectionHandler", 61);
    callBound(rParams);
}

void DeviceDetectionHandlerC::onDeviceNotification(int iCode, int iState)
{
    if (iState != kStateAttached)
        return;
    const int iDeviceType = (iCode >> 8) & 0xFF;
    const wchar_t* pwszDevName = nullptr;
    if (iDeviceType == CCF::ITF::DEVICE_TYPE_RADIO_HANDLE)
        pwszDevName = CCF::ITF::DEVICE_NAME_RADIO_HANDLE;
    else if (iDeviceType == CCF::ITF::DEVICE_TYPE_BLUETOOTH_HANDLE)
        pwszDevName = CCF::ITF::DEVICE_NAME_BLUETOOTH_HANDLE;
    else
        return;

    CCF::ITF::DeviceConfigurationC oDeviceCfg;
    oDeviceCfg.open(1);
    QString strActiveName;
    int iActivePort = CCF::ITF::TS_PORT_NONE;
    if (oDeviceCfg.getActiveDevice(strActiveName, iActivePort)) {
        oDeviceCfg.close();
        return;
    }
    // Reported when the device configuration refuses the device.
    if (CCF::ITF::RC_OK != oDeviceCfg.setDeviceActiveOnPort(pwszDevName, CCF::ITF::TS_PORT_NO_HOTSHOE))
        BSS_ASSERT_REPORT("RC_OK != oDeviceCfg.setDeviceActiveOnPort( pwszDevName, CCF::ITF::TS_PORT_NO_HOTSHOE)",
                          "KTX_DeviceDetectionHandler", 99);
    else if (CCF::ITF::RC_OK != oDeviceCfg.activate(1))
        BSS_ASSERT_REPORT("RC_OK != oDeviceCfg.activate()", "KTX_DeviceDetectionHandler", 100);
    oDeviceCfg.close();
}

} // namespace KTX
