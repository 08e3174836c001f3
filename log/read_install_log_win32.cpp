// ReadInstallLog: the reader run on the real system for the uninstaller's run state.
#include "log/read_install_log.h"

#include "app/run_state.h"
#include "app/windows_state_win32.h"
#include "log/reader_system_win32.h"

int ReadInstallLog(const char* logPath, char* removalRoot) {
  // Start-up allocates the lists; a caller that has not gets them here.
  if (Log.LogTitle == nullptr) AllocateInstallData(RunArena, Log);
  Win32ReaderSystem system(BackgroundWindow);
  ReaderSettings settings = {Run.PlatformKind, Run.NewShell, Run.HasSecondArgument};
  return ReadLog(logPath, removalRoot, settings, system, Log, RunArena);
}
