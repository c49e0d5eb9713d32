#pragma once
// What the desktop's Win32 layer offers beyond the Win32 names: the top-level windows that the
// processes of this root announce, found and driven from another process.
#include <windows.h>

#include <QString>

namespace KestraWin {

HWND findAnnouncedWindow(const QString& strTitle);
// Presses and releases the key (a Qt key code) in the window, through its window system.
bool pressKeyInAnnouncedWindow(HWND hWnd, int iQtKey);
// Asks the window for a picture of itself (PNG) and a report of its texts beside it (the same
// name ending in .txt, written last); both come once its process got to it.
bool grabAnnouncedWindow(HWND hWnd, const QString& strPngPath);

} // namespace KestraWin
