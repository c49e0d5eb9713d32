#pragma once
// What the desktop's Win32 layer offers beyond the Win32 names: the top-level windows that the
// processes of this root announce, found and driven from another process.
#include <windows.h>

#include <QString>

namespace KestraWin {

HWND findAnnouncedWindow(const QString& strTitle);
// Presses and releases the key (a Qt key code) in the window, through its window system.
bool pressKeyInAnnouncedWindow(HWND hWnd, int iQtKey);

} // namespace KestraWin
