// Main flow: log path, log reading, the work, the restart question and the end of the
// message loop.
#include "app/main_flow_win32.h"

#include <windows.h>

#include <cstring>

#include "app/background_window_win32.h"
#include "app/message_text.h"
#include "app/run_state.h"
#include "app/windows_state_win32.h"
#include "log/bounded_text.h"
#include "log/read_install_log.h"
#include "report/status_report_win32.h"

namespace {
// The standard open-file dialog with the one filter "install.log"; empty when cancelled.
void AskForLogPath(char* path, size_t size) {
  char filter[300];
  MessageText(1, filter, 256);
  size_t used = strlen(filter);
  const char pattern[] = "install.log";
  std::memcpy(filter + used + 1, pattern, sizeof pattern);
  filter[used + 1 + sizeof pattern] = '\0';  // the list ends with a double terminator

  char file[256] = "INSTALL.LOG";
  OPENFILENAMEA dialog = {};
  dialog.lStructSize = sizeof dialog;
  dialog.hwndOwner = BackgroundWindow;
  dialog.lpstrFilter = filter;
  dialog.lpstrFile = file;
  dialog.nMaxFile = sizeof file;
  dialog.Flags = OFN_FILEMUSTEXIST;
  path[0] = '\0';
  if (GetOpenFileNameA(&dialog)) CopyText(path, size, file);
}

// A bare file name is taken from the current directory.
void PrefixCurrentDirectory(char* path, size_t size) {
  if (path[0] == '\0' || strchr(path, '\\') != nullptr) return;
  char full[MAX_PATH] = "";
  GetCurrentDirectoryA(sizeof full, full);
  size_t length = strlen(full);
  if (length == 0 || full[length - 1] != '\\') AppendText(full, "\\");
  AppendText(full, path);
  CopyText(path, size, full);
}

void AskToRestart() {
  char caption[256];
  char text[512];
  MessageText(25, caption, sizeof caption);
  MessageText(68, text, sizeof text);
  if (MessageBoxA(WizardWindow, text, caption, MB_OKCANCEL) == IDCANCEL) Run.RebootNeeded = 0;
}
}  // namespace

void RunMainFlow(const char* argumentText) {
  SetErrorMode(SEM_NOOPENFILEERRORBOX);
  CopyText(Run.LogPath, argumentText);
  if (Run.LogPath[0] == '\0') AskForLogPath(Run.LogPath, sizeof Run.LogPath);
  PrefixCurrentDirectory(Run.LogPath, sizeof Run.LogPath);
  AllocateInstallData(RunArena, Log);

  if (Run.LogPath[0] != '\0') {
    HCURSOR previous = SetCursor(LoadCursorA(nullptr, IDC_WAIT));
    bool read = ReadInstallLog(Run.LogPath, Run.RemovalRoot) == 0;
    SetCursor(previous);
    if (read) {
      if (!Run.CancelRequested) {
        SetCurrentDirectoryA("\\");
        PostMessageA(HWND_BROADCAST, WM_WININICHANGE, 0, 0);
      }
      if (Run.RebootNeeded && !Run.SilentRun) AskToRestart();
      if (!Run.SilentRun && WizardWindow != nullptr) DestroyWindow(WizardWindow);
      WizardWindow = nullptr;
      WriteStatusReport();
    }
  }
  EndMessageLoop();
}
