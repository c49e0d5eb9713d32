#include "KTX/KTX_ModuleFactory.h"

#include "KTX/KTX_FirmwareModule.h"
#include "KTX/KTX_Module.h"

#include "Ferrolib/BSS_Trace.h"

#include <windows.h>

namespace KTX {

ModuleFactoryC::~ModuleFactoryC() = default;

CMDL::ModuleI* ModuleFactoryC::createModule()
{
    return new ModuleC(1);
}

FirmwareModuleFactoryC::~FirmwareModuleFactoryC() = default;

CMDL::ModuleI* FirmwareModuleFactoryC::createModule()
{
    return new FirmwareModuleC(1);
}

namespace {

ModuleFactoryC s_oModuleFactory;
FirmwareModuleFactoryC s_oFirmwareModuleFactory;

// The library's attach and detach: both factories are registered while the library is loaded.
bool registerFactories(DWORD dwReason)
{
    const HMODULE hModule = GetModuleHandleFromAddress(reinterpret_cast<const void*>(&registerFactories));
    const bool bByHandle = CMDL::registerModuleFactory(dwReason, hModule, &s_oModuleFactory);
    const bool bByName =
        CMDL::registerModuleFactoryByName(dwReason, "KestraToolkitFirmwareModule", &s_oFirmwareModuleFactory);
    return bByHandle && bByName;
}

struct LibraryEntryS
{
    LibraryEntryS()
    {
        if (!registerFactories(DLL_PROCESS_ATTACH))
            BSS::TraceChannelC("KestraToolkit").write("Registering the module factories failed.\r\n");
    }
    ~LibraryEntryS() { registerFactories(DLL_PROCESS_DETACH); }
} s_oLibraryEntry;

} // namespace
} // namespace KTX
