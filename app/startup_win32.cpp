// Start-up: platform, paths, command line, temporary copy, settings, background window,
// CRC table and the wizard's texts, then the main flow or the second stage.
#include "app/startup_win32.h"

#include <cstring>

#include "app/background_window_win32.h"
#include "app/command_line.h"
#include "app/crc32.h"
#include "app/end_of_run_win32.h"
#include "app/main_flow_win32.h"
#include "app/message_text.h"
#include "app/run_state.h"
#include "app/temp_copy_win32.h"
#include "app/windows_state_win32.h"
#include "log/bounded_text.h"
#include "log/path_helpers.h"
#include "log/path_helpers_win32.h"

HINSTANCE Instance;
HWND BackgroundWindow;
HWND WizardWindow;
ShellNotifyProc ShellNotify;
HBITMAP SideBitmap;

namespace {
HMODULE Shell32;
HGLOBAL CrcBlock;

void DetectPlatform() {
  OSVERSIONINFOA version = {};
  version.dwOSVersionInfoSize = sizeof version;  // the 148-byte version record
  GetVersionExA(&version);
  Run.PlatformKind = version.dwPlatformId == VER_PLATFORM_WIN32_NT ? PlatformNT : Platform95;
  Run.NewShell = version.dwMajorVersion >= 4;
  Shell32 = LoadLibraryA("SHELL32.DLL");
  if (Shell32 != nullptr) ShellNotify = reinterpret_cast<ShellNotifyProc>(reinterpret_cast<void*>(GetProcAddress(Shell32, "SHChangeNotify")));
}

void TakeProgramPaths() {
  char path[MAX_PATH] = "";
  GetModuleFileNameA(nullptr, path, sizeof path);
  CopyText(Run.SettingsPath, path);
  size_t length = strlen(Run.SettingsPath);
  if (length >= 3) CopyText(Run.SettingsPath + length - 3, 4, "INI");
  NormalizePath(path, 1);
  CopyText(Run.UninstallerPath, path);
}

// INSTALL.LOG beside the program, in short-name form, when it exists; else empty.
void DefaultLogCommand(char* command, size_t size) {
  char path[MAX_PATH];
  CopyText(path, Run.SettingsPath);
  NormalizePath(path, 0);
  char* name = FileNamePart(path);
  CopyText(name, sizeof path - (name - path), "INSTALL.LOG");
  command[0] = '\0';
  if (FileExists(path)) CopyText(command, size, path);
}

void BuildCrcBlock() {
  CrcBlock = GlobalAlloc(GMEM_MOVEABLE, 256 * sizeof(uint32_t));
  CrcTable = static_cast<uint32_t*>(GlobalLock(CrcBlock));
  if (CrcTable != nullptr) BuildCrcTable(CrcTable);
}
}  // namespace

void ReleaseStartupResources() {
  if (Shell32 != nullptr) FreeLibrary(Shell32);
  Shell32 = nullptr;
  ShellNotify = nullptr;
  if (SideBitmap != nullptr) DeleteObject(SideBitmap);
  SideBitmap = nullptr;
  if (CrcBlock != nullptr) {
    GlobalUnlock(CrcBlock);
    GlobalFree(CrcBlock);
  }
  CrcBlock = nullptr;
  CrcTable = nullptr;
}

int RunUninstaller(HINSTANCE instance, HINSTANCE previous, const char* commandLine) {
  Instance = instance;
  DetectPlatform();
  TakeProgramPaths();
  ScratchText = static_cast<char*>(ArenaAlloc(ScratchTextSize));

  char command[CommandLineSize];
  CopyText(command, commandLine);
  if (command[0] == '\0') DefaultLogCommand(command, sizeof command);
  CommandLine line = ParseCommandLine(command);
  Run.InPlaceRun = line.InPlaceRun;
  if (!Run.InPlaceRun) MakeTempCopy();

  SideBitmap = LoadBitmapA(Instance, MAKEINTRESOURCEA(106));

  Run.AutomaticRun = line.AutomaticRun;
  Run.SilentRun = line.SilentRun;
  Run.RollbackRequested = line.RollbackRequested;
  Run.FinishPageStart = line.FinishPageStart;
  Run.SecondStage = line.SecondStage;
  Run.RebootNeeded = line.RebootNeeded;
  Run.HasSecondArgument = line.HasSecondArgument;

  ReadSettings();
  if (!CreateBackgroundWindow(previous == nullptr, line.HasSecondArgument ? line.SecondArgument : nullptr)) return 0;

  BuildCrcBlock();
  MessageText(25, WizardCaption, sizeof WizardCaption);
  MessageText(59, CancelQuestion, sizeof CancelQuestion);

  if (Run.SecondStage && line.ArgumentText[0] != '\0') {
    RunSecondStage(line.ArgumentText);
    return 0;
  }
  RunMainFlow(line.ArgumentText);
  EndOfRun();
  return 0;
}
