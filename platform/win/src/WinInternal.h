#pragma once
// Internals shared by the pieces of the desktop Win32 layer.
#include <KestraWin.h>
#include <windows.h>

#include <QString>

class QWidget;

namespace KestraWin {

// The eventfd that is readable while the calling thread's message queue holds messages.
int threadQueueFd();
bool isLocalWindow(HWND hWnd);
HWND findLocalWindow(const QString& strClass, const QString& strTitle, bool bAnyTitle);
// Returns whether the window was visible before.
bool showLocalWindow(HWND hWnd, int iCmdShow);
bool isLocalWindowZoomed(HWND hWnd);

// Top-level Qt windows announced in the runtime folder (any process of this root); finding one
// and pressing keys in it are public (KestraWin.h).
bool isAnnouncedWindow(HWND hWnd);
bool isAnnouncedWindowZoomed(HWND hWnd);
bool showAnnouncedWindow(HWND hWnd, int iCmdShow);
bool foregroundAnnouncedWindow(HWND hWnd);

// One line per visible text of the window: "fits" or "CUT", the widget's class, the text.
QString screenReport(QWidget* pWindow);

} // namespace KestraWin
