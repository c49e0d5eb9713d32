#include "Marrowlib/CCF_ITF_DeviceProxy.h"

#include "Marrowlib/CCF_ITF_DeviceConfiguration.h"

namespace CCF {
namespace ITF {

DeviceProxyC::DeviceProxyC(int iPort, int iPortType, int iDeviceType, const wchar_t* pwszDeviceName)
    : m_iPort(iPort)
    , m_iPortType(iPortType)
    , m_iDeviceType(iDeviceType)
    , m_strDeviceName(pwszDeviceName ? pwszDeviceName : L"")
{
}

DeviceProxyC::~DeviceProxyC() = default;

int DeviceProxyC::getPort() const
{
    return m_iPort;
}

int DeviceProxyC::getPortType() const
{
    return m_iPortType;
}

int DeviceProxyC::getDeviceType() const
{
    return m_iDeviceType;
}

const wchar_t* DeviceProxyC::getDeviceName() const
{
    return m_strDeviceName.c_str();
}

RS232ProxyC::RS232ProxyC(int iPort)
    : DeviceProxyC(iPort, PORT_TYPE_RS232, 0, DEVICE_NAME_RS232)
{
}

RS232ProxyC::~RS232ProxyC() = default;

SerialConfigurationC RS232ProxyC::getSerialConfiguration() const
{
    return SerialConfigurationC::storedRecord(getPort());
}

} // namespace ITF
} // namespace CCF
