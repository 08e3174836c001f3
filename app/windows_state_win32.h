// The run's window-system state: instance, windows and the shell's notification entry.
#pragma once
#include <windows.h>

typedef void(WINAPI* ShellNotifyProc)(LONG event, UINT flags, LPCVOID item1, LPCVOID item2);

extern HINSTANCE Instance;
extern HWND BackgroundWindow;
extern HWND WizardWindow;
extern ShellNotifyProc ShellNotify;  // SHChangeNotify, or null when SHELL32 lacks it
extern HBITMAP SideBitmap;
