#pragma once
// The platform's modules: created from the registered factories, driven through their life-cycle.

namespace CMDL {

class ModuleFactoryI;

namespace ModuleManager {

bool registerFactory(bool bRegister, ModuleFactoryI* pFactory);
int factoryCount();
// Creates a module from every registered factory that has none yet, initialises it and
// registers its services.
void createAndInitModules();
void startModules();
// Waits for the modules (at most the time), stops, de-initialises and destroys them.
void stopAndDestroyModules(int iWaitMs);
int moduleCount();

} // namespace ModuleManager
} // namespace CMDL
