#pragma once
// The device on one of the instrument's ports, as the device proxy collection (Stadion) finds
// it: the port, what kind of port it is, and the platform's type code of the attached device.
#include "Marrowlib/CCF_ITF_SerialConfiguration.h"

#include <string>

namespace CCF {
namespace ITF {

enum PortTypeE
{
    PORT_TYPE_RS232 = 0,
    PORT_TYPE_BLUETOOTH_HANDLE = 1,
    PORT_TYPE_INTERNAL_BLUETOOTH = 2
};

class DeviceProxyC
{
public:
    // iDeviceType: the platform's device type code of the attached device, 0 when none is known.
    DeviceProxyC(int iPort, int iPortType, int iDeviceType, const wchar_t* pwszDeviceName);
    virtual ~DeviceProxyC();

    int getPort() const;
    int getPortType() const;
    int getDeviceType() const;
    // The name under which the device configuration makes it active.
    const wchar_t* getDeviceName() const;

private:
    int m_iPort;
    int m_iPortType;
    int m_iDeviceType;
    std::wstring m_strDeviceName;
};

// The serial port, with its serial configuration record.
class RS232ProxyC : public DeviceProxyC
{
public:
    explicit RS232ProxyC(int iPort);
    ~RS232ProxyC() override;

    // The port's record as stored now (the default record when none is stored).
    SerialConfigurationC getSerialConfiguration() const;
};

} // namespace ITF
} // namespace CCF
