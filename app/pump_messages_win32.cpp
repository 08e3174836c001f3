// Message dispatching between steps of the work, and timed waits.
#include "app/pump_messages_win32.h"

#include "app/background_window_win32.h"
#include "app/run_state.h"
#include "app/windows_state_win32.h"

namespace {
void DispatchWaiting() {
  MSG message;
  while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    TranslateMessage(&message);
    DispatchMessageA(&message);
  }
}
}  // namespace

void PumpMessages(UINT milliseconds) {
  if (milliseconds == 0) {
    DispatchWaiting();
    return;
  }
  Run.WaitFlag = 1;
  SetTimer(BackgroundWindow, WaitTimerId, milliseconds, nullptr);
  for (;;) {
    DispatchWaiting();
    if (!Run.WaitFlag) break;
    WaitMessage();  // sleeps until the next message (the timer at the latest) instead of spinning
  }
  KillTimer(BackgroundWindow, WaitTimerId);
}
