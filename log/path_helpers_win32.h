// The path and file helpers answered by the file system: existence, the short/long path
// walk, and the install log opened with the 16-bit compatible file calls.
#pragma once
#include <windows.h>

#include "log/path_helpers.h"

// True when GetFileAttributesA succeeds for path (a file or a directory).
bool FileExists(const char* path);

// Rewrites path (a 260-byte buffer) with every component in short (mode 0) or long
// (mode 1) form, as FindFirstFileA reports it.
void NormalizePath(char* path, int mode);

// A file opened for reading with _lopen, read with _lread.
class FileByteSource : public ByteSource {
 public:
  bool Open(const char* path);
  void Close();
  int Read(char* buffer, int size) override;

 private:
  HFILE file_ = HFILE_ERROR;
};
