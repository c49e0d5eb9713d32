// The launcher: one instance per simulator root; a second start wakes the running one.
#include <windows.h>

#include "Ferrolib/BSS_SYS_Event.h"
#include "Quillbase/CMN_InstanceLock.h"

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

} // namespace

int main(int iArgc, char** apArgv)
{
    // The narrow command line without the program name, as the platform hands it over.
    std::string strCommandLine;
    for (int i = 1; i < iArgc; ++i) {
        if (i > 1)
            strCommandLine += ' ';
        strCommandLine += apArgv[i];
    }
    return winMain(GetModuleHandleFromAddress(reinterpret_cast<const void*>(&winMain)), &strCommandLine[0],
                   SW_SHOWDEFAULT);
}
