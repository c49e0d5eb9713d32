#pragma once
// The GUI framework library's platform module: it makes the library's images available while
// the platform runs it. Its factory is registered with the platform when the library is loaded.
#include "Corvane/CMDL_Module.h"

namespace V40 {
namespace GUI {

class ModuleC : public CMDL::ModuleBaseC
{
public:
    explicit ModuleC(int iArg);
    ~ModuleC() override;

    // Registers "Vela40GUIResources.rcc" from beside the program.
    bool initModule(int iArg) override;
    bool deinitModule(int iArg) override;
};

class Vela40GUIModuleFactoryC : public CMDL::ModuleFactoryI
{
public:
    Vela40GUIModuleFactoryC();
    ~Vela40GUIModuleFactoryC() override;

    CMDL::ModuleI* createModule() override;
};

} // namespace GUI
} // namespace V40
