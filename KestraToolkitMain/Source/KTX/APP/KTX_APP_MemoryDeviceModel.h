#pragma once
// What the wait for a memory device needs of an application model: whether the device can be
// used now, and its name for the messages.
#include <QString>

namespace KTX {
namespace APP {

class MemoryDeviceModelI
{
public:
    virtual ~MemoryDeviceModelI() = default;

    virtual bool IsMemoryDeviceAvailable() const = 0;
    // The device's name as the user knows it ("SD Card").
    virtual QString GetMemoryDeviceLabel() const = 0;

protected:
    MemoryDeviceModelI() = default;
    MemoryDeviceModelI(const MemoryDeviceModelI&) = default;
    MemoryDeviceModelI& operator=(const MemoryDeviceModelI&) = default;
};

} // namespace APP
} // namespace KTX
