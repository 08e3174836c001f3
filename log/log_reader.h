// The log reader's decisions: which list each record of the log belongs to, merging of
// entries that several installations logged, per-user filtering, administrator rights,
// the caption and the removal root. Everything it needs from the system it asks through
// ReaderSystem, so the same code runs in the uninstaller, the inspection tool, the
// benchmark, the fuzzer and the host tests.
#pragma once
#include <cstddef>
#include <cstdint>

#include "log/item_lists.h"
#include "log/path_helpers.h"

// What the reader asks of the system.
class ReaderSystem {
 public:
  virtual ~ReaderSystem() = default;
  // Opens the log for reading; null when it cannot be opened. CloseLog ends its use.
  virtual ByteSource* OpenLog(const char* path) = 0;
  virtual void CloseLog(ByteSource* log) = 0;
  // GetFileAttributesA succeeds for path (a file or a directory).
  virtual bool FileExists(const char* path) = 0;
  // Rewrites path (a 260-byte buffer) in short (mode 0) or long (mode 1) form.
  virtual void NormalizePath(char* path, int mode) = 0;
  // Drive letter ('A' or 'B') is a removable drive.
  virtual bool IsRemovableDrive(char letter) = 0;
  // The Windows and System directories as the system reports them.
  virtual void WindowsDirectory(char* buffer, size_t size) = 0;
  virtual void SystemDirectory(char* buffer, size_t size) = 0;
  // The shared-file counters hold a value named path.
  virtual bool SharedDllCounted(const char* path) = 0;
  // The shell folder "Start Menu" of the current user, or "Common Start Menu" of the
  // machine (common), into buffer; false when the key or value cannot be read.
  virtual bool StartMenuFolder(bool common, char* buffer, size_t size) = 0;
  // The local service control manager opens with read, write and execute access.
  virtual bool CanAdministerServices() = 0;
  // Shows message number text captioned with message number caption, button OK.
  virtual void ShowMessage(unsigned text, unsigned caption) = 0;
  // Sets the background window's caption to message 25 and the title joined by a blank.
  virtual void SetTitleCaption(const char* logTitle) = 0;
};

// What the reader takes from the run.
struct ReaderSettings {
  int32_t PlatformKind;       // 1 = Windows NT family, 2 = Windows 95 family
  int32_t NewShell;           // major version 4 or later
  int32_t HasSecondArgument;  // the command line gave a caption
};

const unsigned RemovalRootSize = 260;

// Reads the log at logPath into data (lists allocated, counts 0) and removalRoot (at
// least 260 bytes). Result 0: read to its end. 1: it could not be opened, is invalid or
// demands administrator rights the user lacks; the message has been shown.
int ReadLog(const char* logPath, char* removalRoot, const ReaderSettings& settings, ReaderSystem& system,
            InstallData& data, Arena& arena);
