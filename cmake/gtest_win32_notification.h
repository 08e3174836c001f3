// gtest's Notification for MinGW's win32 thread model, which has no std::mutex:
// a manual-reset event does the same job.
#pragma once
#include <windows.h>

namespace testing {
namespace internal {
class Notification {
 public:
  Notification() : event_(CreateEventA(nullptr, TRUE, FALSE, nullptr)) {}
  ~Notification() { CloseHandle(event_); }
  Notification(const Notification&) = delete;
  Notification& operator=(const Notification&) = delete;
  void Notify() { SetEvent(event_); }
  void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }

 private:
  HANDLE event_;
};
}  // namespace internal
}  // namespace testing
