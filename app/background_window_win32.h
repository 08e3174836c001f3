// The background window and the settings it is drawn from.
#pragma once
#include <windows.h>

const UINT WaitTimerId = 8298;

// Reads the section "Settings" of the settings file and measures the screen.
void ReadSettings();
// Registers the window class (when there is no previous instance) and creates the
// background window; shows it maximised when the settings ask for it. False on failure.
bool CreateBackgroundWindow(bool registerClass, const char* caption);

// Destroys the background window and dispatches messages until the quit message its
// destruction posts.
void EndMessageLoop();

extern "C" __declspec(dllexport) LRESULT CALLBACK MainWndProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
