#pragma once
// The Win32 names, types and semantics the toolkit calls, for the desktop platform.
#include <cstdint>
#include <cwchar>

typedef void* HANDLE;
typedef struct HWND__* HWND;
typedef struct HINSTANCE__* HINSTANCE;
typedef HINSTANCE HMODULE;
typedef HANDLE HMENU;
typedef uint32_t DWORD;
typedef int BOOL;
typedef unsigned int UINT;
typedef uint16_t ATOM;
typedef uintptr_t WPARAM;
typedef intptr_t LPARAM;
typedef intptr_t LRESULT;
typedef const wchar_t* LPCWSTR;
typedef wchar_t* LPWSTR;
typedef const char* LPCSTR;
typedef char* LPSTR;
typedef void* LPVOID;
typedef intptr_t (*FARPROC)();

#define WINAPI
#define CALLBACK
#define APIENTRY

#ifndef TRUE
#define TRUE 1
#endif
#ifndef FALSE
#define FALSE 0
#endif

typedef LRESULT(CALLBACK* WNDPROC)(HWND, UINT, WPARAM, LPARAM);

struct WNDCLASSW
{
    UINT style;
    WNDPROC lpfnWndProc;
    int cbClsExtra;
    int cbWndExtra;
    HINSTANCE hInstance;
    HANDLE hIcon;
    HANDLE hCursor;
    HANDLE hbrBackground;
    LPCWSTR lpszMenuName;
    LPCWSTR lpszClassName;
};

struct POINT
{
    long x;
    long y;
};

struct MSG
{
    HWND hwnd;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    DWORD time;
    POINT pt;
};

constexpr UINT WM_NULL = 0x0000;
constexpr UINT WM_CLOSE = 0x0010;
constexpr UINT WM_QUIT = 0x0012;
constexpr UINT WM_APP = 0x8000;

constexpr DWORD WS_VISIBLE = 0x10000000;

constexpr int SW_HIDE = 0;
constexpr int SW_SHOWNORMAL = 1;
constexpr int SW_MAXIMIZE = 3;
constexpr int SW_SHOW = 5;
constexpr int SW_MINIMIZE = 6;
constexpr int SW_RESTORE = 9;
constexpr int SW_SHOWDEFAULT = 10;

constexpr UINT PM_NOREMOVE = 0;
constexpr UINT PM_REMOVE = 1;

constexpr DWORD WAIT_OBJECT_0 = 0;
constexpr DWORD WAIT_TIMEOUT = 258;
constexpr DWORD WAIT_FAILED = 0xFFFFFFFF;
constexpr DWORD INFINITE = 0xFFFFFFFF;
constexpr DWORD MAXIMUM_WAIT_OBJECTS = 64;

constexpr DWORD DLL_PROCESS_DETACH = 0;
constexpr DWORD DLL_PROCESS_ATTACH = 1;

// Kernel events: an unnamed event lives in this process, a named one is shared by name with
// every process of the same simulator root.
HANDLE CreateEventW(void* pAttributes, BOOL bManualReset, BOOL bInitialState, LPCWSTR pwszName);
BOOL SetEvent(HANDLE hEvent);
BOOL ResetEvent(HANDLE hEvent);
BOOL CloseHandle(HANDLE hObject);
DWORD WaitForSingleObject(HANDLE hObject, DWORD dwMilliseconds);
// When several objects are set the lowest index wins.
DWORD WaitForMultipleObjects(DWORD nCount, const HANDLE* phObjects, BOOL bWaitAll, DWORD dwMilliseconds);

// Windows of this process, each with the message queue of the thread that created it.
ATOM RegisterClassW(const WNDCLASSW* pClass);
BOOL UnregisterClassW(LPCWSTR pwszClassName, HINSTANCE hInstance);
HWND CreateWindowExW(DWORD dwExStyle, LPCWSTR pwszClassName, LPCWSTR pwszWindowName, DWORD dwStyle,
                     int iX, int iY, int iWidth, int iHeight, HWND hParent, HMENU hMenu,
                     HINSTANCE hInstance, LPVOID pParam);
BOOL DestroyWindow(HWND hWnd);
LRESULT DefWindowProcW(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL PostMessageW(HWND hWnd, UINT uMsg, WPARAM wParam, LPARAM lParam);
BOOL PeekMessageW(MSG* pMsg, HWND hWnd, UINT uMsgFilterMin, UINT uMsgFilterMax, UINT uRemoveMsg);
BOOL TranslateMessage(const MSG* pMsg);
LRESULT DispatchMessageW(const MSG* pMsg);

// Top-level windows, also those of the toolkit's GUI in another process of the same root.
HWND FindWindowExW(HWND hParent, HWND hChildAfter, LPCWSTR pwszClassName, LPCWSTR pwszWindowName);
BOOL IsZoomed(HWND hWnd);
BOOL ShowWindow(HWND hWnd, int iCmdShow);
BOOL SetForegroundWindow(HWND hWnd);

// Libraries: "Name.dll" is found as libName.so, first in the program's folder.
HMODULE LoadLibraryW(LPCWSTR pwszFileName);
FARPROC GetProcAddress(HMODULE hModule, LPCSTR pszProcName);
BOOL FreeLibrary(HMODULE hModule);
// The library that contains the given address (what a library's entry point is handed).
HMODULE GetModuleHandleFromAddress(const void* pAddress);

LPWSTR GetCommandLineW();
void OutputDebugStringW(LPCWSTR pwszText);
HINSTANCE ShellExecuteW(HWND hWnd, LPCWSTR pwszOperation, LPCWSTR pwszFile, LPCWSTR pwszParameters,
                        LPCWSTR pwszDirectory, int iShowCmd);
DWORD GetLastError();
