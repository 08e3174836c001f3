// The status report: through the installation-status library, or written as a file.
#include "report/status_report_win32.h"

#include <windows.h>

#include <cstring>

#include "app/message_marks.h"
#include "app/message_text.h"
#include "app/run_state.h"
#include "log/bounded_text.h"
#include "report/status_report.h"

namespace {
typedef BOOL(WINAPI* InstallStatusMifProc)(LPSTR file, LPSTR company, LPSTR product, LPSTR version, LPSTR locale,
                                           LPSTR serial, LPSTR description, BOOL success);

// True when the library took the report.
bool ReportThroughLibrary() {
  HMODULE library = LoadLibraryA("ismif32.dll");
  if (library == nullptr) return false;
  bool taken = false;
  FARPROC entry = GetProcAddress(library, "InstallStatusMIF");
  if (entry != nullptr) {
    InstallStatusMifProc installStatusMif = reinterpret_cast<InstallStatusMifProc>(reinterpret_cast<void*>(entry));
    char locale[] = "ENU";
    char successText[] = "Uninstall successful";
    char cancelText[] = "Uninstall canceled by user";
    taken = installStatusMif(Log.MifFileName, Log.MifManufacturer, Log.MifProduct, Log.MifVersion, locale,
                             Log.MifSerialNumber, Run.CancelRequested ? cancelText : successText,
                             Run.CancelRequested ? FALSE : TRUE) != 0;
  }
  FreeLibrary(library);
  return taken;
}

// The template from the settings file ("^" marks line breaks), or the built-in one.
void LoadTemplate(char* text, size_t size) {
  DWORD count = GetPrivateProfileStringA("Language", "Msg1000", AbsentValueMark, text, static_cast<DWORD>(size),
                                         Run.SettingsPath);
  if (text[0] == AbsentValueMark[0] && count == 1) {
    CopyText(text, size, BuiltInStatusTemplate);
    return;
  }
  ExpandLineBreakMark(text, size, '^');
}
}  // namespace

void WriteStatusReport() {
  if (Log.MifFileName[0] == '\0') return;
  if (ReportThroughLibrary()) return;

  char path[MAX_PATH] = "";
  GetWindowsDirectoryA(path, sizeof path);
  size_t length = strlen(path);
  if (length == 0 || path[length - 1] != '\\') AppendText(path, "\\");
  AppendText(path, Log.MifFileName);
  HFILE file = _lcreat(path, 0);
  if (file == HFILE_ERROR) return;

  LoadTemplate(ScratchText, ScratchTextSize);
  SYSTEMTIME now;
  GetLocalTime(&now);
  char date[32];
  FormatStatusDate(date, sizeof date, now.wMonth, now.wDay, now.wYear, now.wHour, now.wMinute);
  StatusReportValues values = {Log.MifManufacturer, Log.MifProduct,    Log.MifVersion, Log.MifSerialNumber,
                               Run.RollbackRequested, date, Run.CancelRequested};
  ExpandStatusPlaceholders(ScratchText, ScratchTextSize, values);
  _lwrite(file, ScratchText, static_cast<UINT>(strlen(ScratchText)));
  _lclose(file);
}
