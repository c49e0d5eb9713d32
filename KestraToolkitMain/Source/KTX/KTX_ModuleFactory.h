#pragma once
#include "Corvane/CMDL_Module.h"

namespace KTX {

// Creates the GUI module; registered by the library's module handle.
class ModuleFactoryC : public CMDL::ModuleFactoryI
{
public:
    ~ModuleFactoryC() override;
    CMDL::ModuleI* createModule() override;
};

// Creates the firmware module; registered under the name "KestraToolkitFirmwareModule".
class FirmwareModuleFactoryC : public CMDL::ModuleFactoryI
{
public:
    ~FirmwareModuleFactoryC() override;
    CMDL::ModuleI* createModule() override;
};

} // namespace KTX
