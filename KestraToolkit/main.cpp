// The launcher: one instance per simulator root; a second start wakes the running one.
#include <windows.h>

#include "Ferrolib/BSS_HAL_Fonts.h"
#include "Ferrolib/BSS_SYS_Event.h"
#include "Quillbase/CMN_InstanceLock.h"

#include <cstdio>
#include <cstring>
#include <string>

namespace {

typedef int (*KestraToolkitMainF)(HINSTANCE, char*, int);
KestraToolkitMainF s_pfnEntry = nullptr;

int wakeRunningInstance()
{
    OutputDebugStringW(L"Application already running!\n");
    HWND hWnd = FindWindowExW(nullptr, nullptr, nullptr, L"KestraToolkit");
    if (hWnd) {
        OutputDebugStringW(L"Window found\n");
        ShowWindow(hWnd, IsZoomed(hWnd) ? SW_MAXIMIZE : SW_RESTORE);
        SetForegroundWindow(hWnd);
    } else {
        // The running instance has no GUI: ask its starter task for one.
        BSS::SYS::EventC oStartGui("KestraToolkit_StartGui");
        oStartGui.set();
    }
    return 0;
}

int winMain(HINSTANCE hInstance, char* pszCommandLine, int iShowCommand)
{
    CMN::InstanceLockC oInstanceLock("KestraToolkit");
    if (oInstanceLock.isHeldByOther()) {
        const int iExitCode = wakeRunningInstance();
        oInstanceLock.release();
        return iExitCode;
    }
    HMODULE hLibrary = nullptr;
    for (int iAttempt = 0; iAttempt < 3 && !hLibrary; ++iAttempt) {
        hLibrary = LoadLibraryW(L"KestraToolkitMain.dll");
        OutputDebugStringW(hLibrary ? L"LoadLibrary KestraToolkitMain DLL succeeded.\r\n"
                                    : L"LoadLibrary KestraToolkitMain DLL fails!\r\n");
    }
    if (!hLibrary) {
        oInstanceLock.release();
        return 0;
    }
    int iExitCode = 0;
    // Through the generic function type, as the loader's result has no signature of its own.
    s_pfnEntry = reinterpret_cast<KestraToolkitMainF>(
        reinterpret_cast<void (*)()>(GetProcAddress(hLibrary, "KestraToolkitMain")));
    if (!s_pfnEntry)
        OutputDebugStringW(L"ProcAddress for KestraToolkitMain not found!\r\n");
    else
        iExitCode = s_pfnEntry(hInstance, pszCommandLine, iShowCommand);
    s_pfnEntry = nullptr;
    FreeLibrary(hLibrary);
    oInstanceLock.release();
    return iExitCode;
}

const char* const s_szHelp =
    "Usage: KestraToolkit [/AUTOSTART] [/START_FW_LOADER]\n"
    "The Vela40 toolkit, here the desktop simulator of the instrument.\n"
    "\n"
    "  /AUTOSTART        start in the stored application mode (SOFTWARE\\Kestra\\Startup,\n"
    "                    value ApplicationMode; without one the toolkit runs without its GUI)\n"
    "  /START_FW_LOADER  loader mode: no GUI, the loaders take uploads\n"
    "  -h, --help        this text\n"
    "\n"
    "Environment:\n"
    "  KESTRA_SIM_ROOT       folder of everything the simulator reads or writes (registry/,\n"
    "                        Documents/, run/); default: the user's folders\n"
    "  KESTRA_TRACE=stderr   also write the traces to standard error (the log is in\n"
    "                        Documents/KestraToolkit/Vela40/Logs/trace.log)\n"
    "  KESTRA_PLATFORM_KIND  0 desktop simulator (default), 1 instrument\n"
    "  KESTRA_SHELL_OPEN=0   documents the toolkit opens (the legal information) are only\n"
    "                        traced, not handed to the desktop's viewer\n"
    "\n"
    "A second start with the same KESTRA_SIM_ROOT brings the running toolkit's GUI to the front.\n"
    "KestraSimCtl changes the simulated instrument while the toolkit runs (KestraSimCtl --help);\n"
    "KestraInstrumentPanel does the same with buttons, sliders and fields.\n";

} // namespace

int main(int iArgc, char** apArgv)
{
    for (int i = 1; i < iArgc; ++i) {
        if (std::strcmp(apArgv[i], "--help") == 0 || std::strcmp(apArgv[i], "-h") == 0) {
            std::fputs(s_szHelp, stdout);
            return 0;
        }
    }
    // The display's fonts are read while the toolkit loads; its first window waits for them.
    BSS::HAL::prepareFonts();
    // The narrow command line without the program name, as the platform hands it over.
    std::string strCommandLine;
    for (int i = 1; i < iArgc; ++i) {
        if (i > 1)
            strCommandLine += ' ';
        strCommandLine += apArgv[i];
    }
    const int iExitCode = winMain(GetModuleHandleFromAddress(reinterpret_cast<const void*>(&winMain)),
                                  &strCommandLine[0], SW_SHOWDEFAULT);
    BSS::HAL::waitForFonts();
    return iExitCode;
}
