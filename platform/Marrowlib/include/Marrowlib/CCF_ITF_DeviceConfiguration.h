#pragma once
// Device configuration of the instrument: which device is active on which port (kept by the
// instrument across restarts), and the services that report attached devices.
#include "Ferrolib/BSS_TSK_Command.h"

#include <QString>

namespace CCF {
namespace ITF {

enum PortE { TS_PORT_NONE = -1, TS_PORT_RS232 = 0, TS_PORT_BLUETOOTH = 1, TS_PORT_NO_HOTSHOE = 2 };

// The platform's device type codes of the two handles.
constexpr int DEVICE_TYPE_RADIO_HANDLE = 63;
constexpr int DEVICE_TYPE_BLUETOOTH_HANDLE = 71;

// Names of the devices of types 63 and 71.
extern const wchar_t* const DEVICE_NAME_RADIO_HANDLE;
extern const wchar_t* const DEVICE_NAME_BLUETOOTH_HANDLE;
// Names of the serial port and of the internal Bluetooth module as devices of their ports.
extern const wchar_t* const DEVICE_NAME_RS232;
extern const wchar_t* const DEVICE_NAME_INTERNAL_BLUETOOTH;
// The name of a handle by its device type; a handle of another type has a name of its own.
const wchar_t* handleDeviceName(int iDeviceType);

constexpr int RC_OK = 0;
constexpr int RC_NOT_OPEN = 1;
constexpr int RC_UNKNOWN_DEVICE = 2;
constexpr int RC_NOTHING_TO_ACTIVATE = 3;
constexpr int RC_NOT_STORED = 4;

class DeviceConfigurationC
{
public:
    DeviceConfigurationC();
    ~DeviceConfigurationC();
    DeviceConfigurationC(const DeviceConfigurationC&) = delete;
    DeviceConfigurationC& operator=(const DeviceConfigurationC&) = delete;

    bool open(int iMode);
    void close();
    bool isOpen() const;
    // True when a device is active; its name and port are returned.
    bool getActiveDevice(QString& rstrName, int& riPort) const;
    // Stages the device for the port; activate() makes it active. Only the devices named above
    // are known.
    int setDeviceActiveOnPort(const wchar_t* pwszDeviceName, int iPort);
    int activate(int iMode);

    // For the simulator and tests: forget the active device.
    static void resetActiveDevice();
    static int activationCount();

private:
    bool m_bOpen;
    QString m_strStagedName;
    int m_iStagedPort;
};

// The service that reports attached and detached devices: parameter 1 is the code (device type
// in bits 8 to 15), parameter 2 the state (1 = attached).
class DeviceServiceC
{
public:
    BSS::TSK::CommandSourceC& notificationSource();
    // Reports an attachment from a platform thread, as the instrument would.
    void simulateDeviceState(int iDeviceType, int iState);

private:
    BSS::TSK::CommandSourceC m_oSource;
};

class PortServiceC
{
public:
    int port() const;
};

// Null when the platform has no such service (set by the simulator setting Configuration/DeviceService).
DeviceServiceC* getDeviceService();
PortServiceC* getPortService();

} // namespace ITF
} // namespace CCF
