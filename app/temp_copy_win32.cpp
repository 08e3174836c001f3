// The temporary copy through which a first stage can later remove its own file.
#include "app/temp_copy_win32.h"

#include <windows.h>

#include <cstring>

#include "app/run_state.h"
#include "app/schedule_delete_win32.h"
#include "log/bounded_text.h"

void MakeTempCopy() {
  char directory[MAX_PATH] = "";
  GetTempPathA(sizeof directory, directory);
  char name[MAX_PATH] = "";
  // A fixed unique number: the name is always KPM1A2B.TMP and no file is created.
  GetTempFileNameA(directory, "KPM", 0x1A2B, name);
  size_t length = strlen(name);
  if (length >= 3) CopyText(name + length - 3, 4, "EXE");
  CopyText(Run.TempCopyPath, name);

  char self[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, self, sizeof self);
  if (CopyFileA(self, Run.TempCopyPath, FALSE)) ScheduleDeleteOnRestart(Run.TempCopyPath);
}
