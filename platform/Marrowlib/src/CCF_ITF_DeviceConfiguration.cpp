#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

#include "Ferrolib/BSS_Trace.h"
#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

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

const QString kAttachedKey = QStringLiteral("Events/DeviceAttached");

bool serviceEnabled()
{
    return VSIM::SettingsC::boolValue(QStringLiteral("Configuration/DeviceService"));
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
    return VSIM::SettingsC::intValue(QStringLiteral("Devices/Port"));
}

namespace {

// The setting holds the device types that the simulator control tool attached; they are taken
// in one step, so that one attached meanwhile is neither lost nor reported twice.
void takeSimulatedAttachments(DeviceServiceC& rService)
{
    if (VSIM::SettingsC::textValue(kAttachedKey).isEmpty())
        return;
    QString strTaken;
    const bool bTaken = VSIM::SettingsC::editValue(
        kAttachedKey,
        [&strTaken](const QString& strPending) {
            strTaken = strPending;
            return QString();
        },
        VSIM::WRITER_INSTRUMENT);
    if (!bTaken) {
        trace().write("The attached devices cannot be taken from the simulator settings.\n");
        return;
    }
    for (const QString& strType : strTaken.split(',', Qt::SkipEmptyParts)) {
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
        VSIM::SettingsWatcherC::subscribe([](const QStringList& lstChangedKeys) {
            if (lstChangedKeys.contains(kAttachedKey))
                takeSimulatedAttachments(s_oService);
        });
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
