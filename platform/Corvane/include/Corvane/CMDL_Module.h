#pragma once
// The module framework: libraries register module factories when they are loaded; the platform
// creates, initialises, starts, stops and destroys the modules during start-up and stop.
#include "Ferrolib/BSS_TSK_Component.h"

#include <windows.h>

namespace CMDL {

class ModuleI
{
public:
    virtual ~ModuleI();
    virtual bool initModule(int iArg) = 0;
    virtual bool registerServices(int iArg) = 0;
    virtual bool startModule(int iArg) = 0;
    virtual bool stopModule(int iArg) = 0;
    virtual bool unregisterServices(int iArg) = 0;
    virtual bool deinitModule(int iArg) = 0;
    // The platform waits with this before it stops the module.
    virtual bool waitUntilStopped(int iTimeoutMs) = 0;
};

// A module is a component container: its base operations drive its children.
class ModuleBaseC : public ModuleI, public BSS::TSK::SysComponentContainerC
{
public:
    explicit ModuleBaseC(int iArg);
    ~ModuleBaseC() override;

    bool initModule(int iArg) override;
    bool registerServices(int iArg) override;
    bool startModule(int iArg) override;
    bool stopModule(int iArg) override;
    bool unregisterServices(int iArg) override;
    bool deinitModule(int iArg) override;
    bool waitUntilStopped(int iTimeoutMs) override;
};

class ModuleFactoryI
{
public:
    ModuleFactoryI();
    virtual ~ModuleFactoryI();
    // The platform owns the module returned.
    virtual ModuleI* createModule() = 0;
};

// Reason DLL_PROCESS_ATTACH registers, DLL_PROCESS_DETACH unregisters; true on success.
bool registerModuleFactory(DWORD dwReason, HMODULE hModule, ModuleFactoryI* pFactory);
bool registerModuleFactoryByName(DWORD dwReason, const char* strModuleName, ModuleFactoryI* pFactory);

} // namespace CMDL
