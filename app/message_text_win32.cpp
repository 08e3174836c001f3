// Message texts from the settings file or the string table.
#include "app/message_text.h"

#include <windows.h>

#include <cstdio>

#include "app/message_marks.h"
#include "app/run_state.h"

unsigned MessageText(unsigned number, char* buffer, size_t size) {
  char key[32];
  std::snprintf(key, sizeof key, "Msg%u", number);
  DWORD count = GetPrivateProfileStringA("Language", key, AbsentValueMark, buffer, static_cast<DWORD>(size),
                                         Run.SettingsPath);
  if (buffer[0] == AbsentValueMark[0] && count == 1) {
    // A number the table does not hold (70, 71) gives the empty text, not the mark.
    if (LoadStringA(GetModuleHandleA(nullptr), number, buffer, static_cast<int>(size)) == 0) buffer[0] = '\0';
    return 1;
  }
  ExpandMessageMarks(buffer, size);
  return count;
}
