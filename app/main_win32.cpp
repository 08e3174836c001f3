// Entry point of UNZORL32.EXE.
#include <windows.h>

#include "app/startup_win32.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE previous, LPSTR commandLine, int) {
  return RunUninstaller(instance, previous, commandLine);
}
