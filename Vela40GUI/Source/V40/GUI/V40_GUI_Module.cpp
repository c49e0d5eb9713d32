#include "V40_GUI_Module.h"

#include "V40_GUI_UTI_Resources.h"

#include "Ferrolib/BSS_Assert.h"

#include <QResource>

#define V40_GUI_REPORT(text) BSS_ASSERT_REPORT((text), "V40_GUI_Module", __LINE__)

namespace V40 {
namespace GUI {

namespace {

const char* const s_szResourceFile = "Vela40GUIResources.rcc";

QString resourceFilePath()
{
    return UTI::resourceFilePathBesideProgram(QString::fromLatin1(s_szResourceFile));
}

Vela40GUIModuleFactoryC s_oModuleFactory;

// Stands for the library's entry point: registers the factory when the library is loaded and
// withdraws it when the library is unloaded.
class LibraryAttachmentS
{
public:
    LibraryAttachmentS() { attach(DLL_PROCESS_ATTACH); }
    ~LibraryAttachmentS() { attach(DLL_PROCESS_DETACH); }

private:
    static void attach(DWORD dwReason)
    {
        CMDL::registerModuleFactory(dwReason, GetModuleHandleFromAddress(&s_oModuleFactory), &s_oModuleFactory);
    }
};

LibraryAttachmentS s_oLibraryAttachment;

} // namespace

ModuleC::ModuleC(int iArg)
    : CMDL::ModuleBaseC(iArg)
{
}

ModuleC::~ModuleC() = default;

bool ModuleC::initModule(int iArg)
{
    if (!QResource::registerResource(resourceFilePath(), QString()))
        V40_GUI_REPORT("Could not register Resources.");
    return CMDL::ModuleBaseC::initModule(iArg);
}

bool ModuleC::deinitModule(int iArg)
{
    if (!QResource::unregisterResource(resourceFilePath(), QString()))
        V40_GUI_REPORT("Could not unregister Resources.");
    return CMDL::ModuleBaseC::deinitModule(iArg);
}

Vela40GUIModuleFactoryC::Vela40GUIModuleFactoryC() = default;

Vela40GUIModuleFactoryC::~Vela40GUIModuleFactoryC() = default;

CMDL::ModuleI* Vela40GUIModuleFactoryC::createModule()
{
    return new ModuleC(1);
}

} // namespace GUI
} // namespace V40
