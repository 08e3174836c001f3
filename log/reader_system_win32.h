// The log reader's questions answered by the Windows API.
#pragma once
#include <windows.h>

#include "log/log_reader.h"
#include "log/path_helpers_win32.h"

class Win32ReaderSystem : public ReaderSystem {
 public:
  // owner: the window that owns the reader's message boxes and takes the caption.
  explicit Win32ReaderSystem(HWND owner) : owner_(owner) {}
  ~Win32ReaderSystem() override;

  ByteSource* OpenLog(const char* path) override;
  void CloseLog(ByteSource* log) override;
  bool FileExists(const char* path) override;
  void NormalizePath(char* path, int mode) override;
  bool IsRemovableDrive(char letter) override;
  void WindowsDirectory(char* buffer, size_t size) override;
  void SystemDirectory(char* buffer, size_t size) override;
  bool SharedDllCounted(const char* path) override;
  bool StartMenuFolder(bool common, char* buffer, size_t size) override;
  bool CanAdministerServices() override;
  void ShowMessage(unsigned text, unsigned caption) override;
  void SetTitleCaption(const char* logTitle) override;

 private:
  HWND owner_;
  FileByteSource log_;
  HKEY sharedDlls_ = nullptr;  // opened at the first overwritten file, closed at the end
  bool sharedDllsTried_ = false;
};
