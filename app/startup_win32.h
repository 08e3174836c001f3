// Start-up of the uninstaller and the choice between main flow and second stage.
#pragma once
#include <windows.h>

// Runs the whole program; the result is the process's exit code (always 0).
int RunUninstaller(HINSTANCE instance, HINSTANCE previous, const char* commandLine);

// Frees SHELL32, the side bitmap and the CRC table taken at start-up.
void ReleaseStartupResources();
