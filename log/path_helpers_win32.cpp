// File-system answers for the path and file helpers.
#include "log/path_helpers_win32.h"

#include "log/bounded_text.h"

bool FileExists(const char* path) { return GetFileAttributesA(path) != INVALID_FILE_ATTRIBUTES; }

namespace {
class FileSystemLookup : public PathLookup {
 public:
  size_t CurrentDirectory(char* buffer, size_t size) override {
    DWORD length = GetCurrentDirectoryA(static_cast<DWORD>(size), buffer);
    return length < size ? length : 0;
  }
  bool FindEntry(const char* path, char* longName, size_t longSize, char* shortName, size_t shortSize) override {
    WIN32_FIND_DATAA entry;
    HANDLE search = FindFirstFileA(path, &entry);
    if (search == INVALID_HANDLE_VALUE) return false;
    FindClose(search);
    CopyText(longName, longSize, entry.cFileName);
    CopyText(shortName, shortSize, entry.cAlternateFileName);
    return true;
  }
};
}  // namespace

void NormalizePath(char* path, int mode) {
  FileSystemLookup lookup;
  NormalizePathWith(path, PathBufferSize, mode, lookup);
}

bool FileByteSource::Open(const char* path) {
  Close();
  file_ = _lopen(path, OF_READ);
  return file_ != HFILE_ERROR;
}

void FileByteSource::Close() {
  if (file_ != HFILE_ERROR) _lclose(file_);
  file_ = HFILE_ERROR;
}

int FileByteSource::Read(char* buffer, int size) {
  UINT got = _lread(file_, buffer, static_cast<UINT>(size));
  return got == static_cast<UINT>(HFILE_ERROR) ? -1 : static_cast<int>(got);
}
