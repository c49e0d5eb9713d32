#include "Corvane/CMDL_Module.h"

#include "ModuleManager.h"

namespace CMDL {

ModuleI::~ModuleI() = default;

ModuleBaseC::ModuleBaseC(int)
{
}

ModuleBaseC::~ModuleBaseC() = default;

bool ModuleBaseC::initModule(int iArg)
{
    return initComponent(iArg);
}

bool ModuleBaseC::registerServices(int)
{
    return true;
}

bool ModuleBaseC::startModule(int iArg)
{
    return startComponent(iArg);
}

bool ModuleBaseC::stopModule(int iArg)
{
    return stopComponent(iArg);
}

bool ModuleBaseC::unregisterServices(int)
{
    return true;
}

bool ModuleBaseC::deinitModule(int iArg)
{
    return deinitComponent(iArg);
}

bool ModuleBaseC::waitUntilStopped(int iTimeoutMs)
{
    return SysComponentContainerC::waitUntilStopped(iTimeoutMs);
}

ModuleFactoryI::ModuleFactoryI() = default;

ModuleFactoryI::~ModuleFactoryI() = default;

bool registerModuleFactory(DWORD dwReason, HMODULE hModule, ModuleFactoryI* pFactory)
{
    if (!hModule)
        return false;
    return ModuleManager::registerFactory(dwReason == DLL_PROCESS_ATTACH, pFactory);
}

bool registerModuleFactoryByName(DWORD dwReason, const char* strModuleName, ModuleFactoryI* pFactory)
{
    if (!strModuleName || !*strModuleName)
        return false;
    return ModuleManager::registerFactory(dwReason == DLL_PROCESS_ATTACH, pFactory);
}

} // namespace CMDL
