// End of run: release of the run's resources and memory.
#include "app/end_of_run_win32.h"

#include <windows.h>

#include "app/background_window_win32.h"
#include "app/run_state.h"
#include "app/startup_win32.h"
#include "app/windows_state_win32.h"

void EndOfRun() {
  ReleaseStartupResources();
  ArenaFreeAll();
}

void RunSecondStage(const char*) {
  EndMessageLoop();
  ReleaseStartupResources();
}
