#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

#include "Ferrolib/BSS_REG_NativeSettings.h"
#include "Ferrolib/BSS_SIM_Simulator.h"
#include "Ferrolib/BSS_Trace.h"
#include "SimulatorWatcher.h"

#include <mutex>

#include <thread>

namespace CCF {
namespace ITF {

const wchar_t* const DEVICE_NAME_RADIO_HANDLE = L"RadioHandle";
const wchar_t* const DEVICE_NAME_BLUETOOTH_HANDLE = L"BluetoothHandle";

namespace {

struct ActiveDeviceS
{
    std::mutex oMutex;
    QString strName;
    int iPort = TS_PORT_NONE;
    int iActivations = 0;
};

ActiveDeviceS& activeDevice()
{
    static ActiveDeviceS s_oActive;
    return s_oActive;
}

BSS::TraceChannelC& trace()
{
    static BSS::TraceChannelC s_oTrace("DeviceConfiguration");
    return s_oTrace;
}

bool serviceEnabled()
{
    return BSS::REG::openNativeSettings(BSS::SIM::simulatorSettingsPath())
        ->value(QStringLiteral("Configuration/DeviceService"), 1)
        .toInt() == 1;
}

} // namespace

DeviceConfigurationC::DeviceConfigurationC()
    : m_bOpen(false)
    , m_iStagedPort(TS_PORT_NONE)
{
}

DeviceConfigurationC::~DeviceConfigurationC()
{
    close();
}

bool DeviceConfigurationC::open(int)
{
    m_bOpen = true;
    return true;
}

void DeviceConfigurationC::close()
{
    m_bOpen = false;
    m_strStagedName.clear();
    m_iStagedPort = TS_PORT_NONE;
}

bool DeviceConfigurationC::isOpen() const
{
    return m_bOpen;
}

bool DeviceConfigurationC::getActiveDevice(QString& rstrName, int& riPort) const
{
    std::unique_lock<std::mutex> oLock(activeDevice().oMutex);
    if (activeDevice().strName.isEmpty())
        return false;
    rstrName = activeDevice().strName;
    riPort = activeDevice().iPort;
    return true;
}

int DeviceConfigurationC::setDeviceActiveOnPort(const wchar_t* pwszDeviceName, int iPort)
{
    if (!m_bOpen)
        return RC_NOT_OPEN;
    const QString strName = QString::fromWCharArray(pwszDeviceName ? pwszDeviceName : L"");
    if (strName != QString::fromWCharArray(DEVICE_NAME_RADIO_HANDLE)
        && strName != QString::fromWCharArray(DEVICE_NAME_BLUETOOTH_HANDLE))
        return RC_UNKNOWN_DEVICE;
    m_strStagedName = strName;
    m_iStagedPort = iPort;
    return RC_OK;
}

int DeviceConfigurationC::activate(int)
{
    if (!m_bOpen)
        return RC_NOT_OPEN;
    if (m_strStagedName.isEmpty())
        return RC_NOTHING_TO_ACTIVATE;
    std::unique_lock<std::mutex> oLock(activeDevice().oMutex);
    activeDevice().strName = m_strStagedName;
    activeDevice().iPort = m_iStagedPort;
    ++activeDevice().iActivations;
    trace().write("Device %s active on port %d.\n", qPrintable(m_strStagedName), m_iStagedPort);
    return RC_OK;
}

void DeviceConfigurationC::resetActiveDevice()
{
    std::unique_lock<std::mutex> oLock(activeDevice().oMutex);
    activeDevice().strName.clear();
    activeDevice().iPort = TS_PORT_NONE;
    activeDevice().iActivations = 0;
}

int DeviceConfigurationC::activationCount()
{
    std::unique_lock<std::mutex> oLock(activeDevice().oMutex);
    return activeDevice().iActivations;
}

BSS::TSK::CommandSourceC& DeviceServiceC::notificationSource()
{
    return m_oSource;
}

void DeviceServiceC::simulateDeviceState(int iDeviceType, int iState)
{
    const int iCode = (iDeviceType & 0xFF) << 8;
    std::thread([this, iCode, iState] { m_oSource.fire(iCode, iState); }).join();
}

int PortServiceC::port() const
{
    return TS_PORT_NO_HOTSHOE;
}

namespace {

// "Events/DeviceAttached" holds device types the simulator control tool attached.
void takeSimulatedAttachments(DeviceServiceC& rService)
{
    auto upSettings = BSS::REG::openNativeSettings(BSS::SIM::simulatorSettingsPath());
    const QStringList lstTypes = upSettings->value(QStringLiteral("Events/DeviceAttached")).toString().split(',', Qt::SkipEmptyParts);
    upSettings->remove(QStringLiteral("Events/DeviceAttached"));
    upSettings->sync();
    for (const QString& strType : lstTypes) {
        bool bOk = false;
        const int iType = strType.trimmed().toInt(&bOk);
        if (bOk)
            rService.notificationSource().fire((iType & 0xFF) << 8, 1);
    }
}

} // namespace

DeviceServiceC* getDeviceService()
{
    static DeviceServiceC s_oService;
    static const bool s_bWatching = [] {
        KestraPlatform::SimulatorWatcher::addListener([] { takeSimulatedAttachments(s_oService); });
        return true;
    }();
    (void)s_bWatching;
    return serviceEnabled() ? &s_oService : nullptr;
}

PortServiceC* getPortService()
{
    static PortServiceC s_oService;
    return serviceEnabled() ? &s_oService : nullptr;
}

} // namespace ITF
} // namespace CCF
