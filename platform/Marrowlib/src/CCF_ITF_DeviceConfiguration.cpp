#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

#include "Ferrolib/BSS_Trace.h"
#include "SimInstrument/VSIM_Settings.h"
#include "SimInstrument/VSIM_SettingsWatcher.h"

#include <atomic>
#include <thread>

namespace CCF {
namespace ITF {

const wchar_t* const DEVICE_NAME_RADIO_HANDLE = L"RadioHandle";
const wchar_t* const DEVICE_NAME_BLUETOOTH_HANDLE = L"BluetoothHandle";
const wchar_t* const DEVICE_NAME_RS232 = L"RS232";
const wchar_t* const DEVICE_NAME_INTERNAL_BLUETOOTH = L"InternalBluetooth";

const wchar_t* handleDeviceName(int iDeviceType)
{
    switch (iDeviceType) {
    case DEVICE_TYPE_RADIO_HANDLE:
        return DEVICE_NAME_RADIO_HANDLE;
    case DEVICE_TYPE_BLUETOOTH_HANDLE:
        return DEVICE_NAME_BLUETOOTH_HANDLE;
    default:
        return L"Handle";
    }
}

namespace {

// The active device is the instrument's: it is kept in the simulated instrument's state.
const QString kActiveDeviceKey = QStringLiteral("Devices/ActiveDevice");
const QString kActivePortKey = QStringLiteral("Devices/ActivePort");
const QString kHandleKey = QStringLiteral("Devices/BluetoothHandle");

std::atomic<int> s_iActivations(0);

bool isKnownDevice(const QString& strName)
{
    for (const wchar_t* pwszName : {DEVICE_NAME_RADIO_HANDLE, DEVICE_NAME_BLUETOOTH_HANDLE, DEVICE_NAME_RS232,
                                    DEVICE_NAME_INTERNAL_BLUETOOTH, handleDeviceName(0)}) {
        if (strName == QString::fromWCharArray(pwszName))
            return true;
    }
    return false;
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
    const QString strName = VSIM::SettingsC::textValue(kActiveDeviceKey);
    if (strName.isEmpty())
        return false;
    rstrName = strName;
    riPort = VSIM::SettingsC::intValue(kActivePortKey);
    return true;
}

int DeviceConfigurationC::setDeviceActiveOnPort(const wchar_t* pwszDeviceName, int iPort)
{
    if (!m_bOpen)
        return RC_NOT_OPEN;
    const QString strName = QString::fromWCharArray(pwszDeviceName ? pwszDeviceName : L"");
    if (!isKnownDevice(strName) || iPort < TS_PORT_RS232 || iPort > TS_PORT_NO_HOTSHOE)
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
    QString strError;
    if (!VSIM::SettingsC::setValues({{kActiveDeviceKey, m_strStagedName}, {kActivePortKey, m_iStagedPort}},
                                    VSIM::WRITER_INSTRUMENT, &strError)) {
        trace().write("Device %s cannot be made active: %s\n", qPrintable(m_strStagedName), qPrintable(strError));
        return RC_NOT_STORED;
    }
    ++s_iActivations;
    trace().write("Device %s active on port %d.\n", qPrintable(m_strStagedName), m_iStagedPort);
    return RC_OK;
}

void DeviceConfigurationC::resetActiveDevice()
{
    VSIM::SettingsC::setValues({{kActiveDeviceKey, QString()}, {kActivePortKey, int(TS_PORT_NONE)}},
                               VSIM::WRITER_INSTRUMENT);
    s_iActivations = 0;
}

int DeviceConfigurationC::activationCount()
{
    return s_iActivations;
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
        if (!bOk)
            continue;
        // A handle sits on the port without hot shoe from now on.
        if (iType == DEVICE_TYPE_RADIO_HANDLE || iType == DEVICE_TYPE_BLUETOOTH_HANDLE)
            VSIM::SettingsC::setValue(kHandleKey, iType, VSIM::WRITER_INSTRUMENT);
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
