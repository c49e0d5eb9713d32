#pragma once
// A small persistent configuration that is read, changed and written back as a local value.

namespace KTX {
namespace UTI {

class ConfigBaseC
{
public:
    // Factory values, overlaid by what the store holds.
    virtual void load() = 0;
    // true only when the store accepted the record.
    virtual bool save() = 0;
    // Factory values; nothing is written.
    virtual void setToDefault() = 0;

protected:
    // Configurations are locals, never deleted through this interface.
    ConfigBaseC() = default;
    ConfigBaseC(const ConfigBaseC&) = default;
    ConfigBaseC& operator=(const ConfigBaseC&) = default;
    ~ConfigBaseC() = default;
};

} // namespace UTI
} // namespace KTX
