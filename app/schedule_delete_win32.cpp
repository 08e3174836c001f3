// Deletion at the next restart, in the form each platform family carries out.
#include "app/schedule_delete_win32.h"

#include <windows.h>

#include <cstdio>

#include "app/run_state.h"
#include "log/bounded_text.h"

namespace {
void WindowsFilePath(const char* name, char* path, size_t size) {
  char directory[MAX_PATH] = "";
  GetWindowsDirectoryA(directory, sizeof directory);
  CopyText(path, size, directory);
  size_t length = strlen(path);
  if (length == 0 || path[length - 1] != '\\') AppendText(path, size, "\\");
  AppendText(path, size, name);
}
}  // namespace

void ScheduleDeleteOnRestart(const char* path) {
  if (Run.PlatformKind == PlatformNT) {
    MoveFileExA(path, nullptr, MOVEFILE_DELAY_UNTIL_REBOOT);
    return;
  }
  char wininit[MAX_PATH];
  WindowsFilePath("WININIT.INI", wininit, sizeof wininit);
  char text[MAX_PATH + 32];
  HFILE file = _lopen(wininit, OF_WRITE);
  if (file != HFILE_ERROR) {
    std::snprintf(text, sizeof text, "NUL=%s\r\n", path);
    _llseek(file, 0, FILE_END);
  } else {
    file = _lcreat(wininit, 0);
    if (file == HFILE_ERROR) return;
    std::snprintf(text, sizeof text, "[rename]\r\nNUL=%s\r\n", path);
  }
  _lwrite(file, text, static_cast<UINT>(strlen(text)));
  _lclose(file);
}
