// System services for the tools.
#include "tools/common/system_win32.h"

#include <shlobj.h>

#include <cctype>

#include "tools/common/payload.h"

namespace {

bool SpecialFolder(int csidl, std::string& value) {
  char path[MAX_PATH];
  if (!SHGetSpecialFolderPathA(nullptr, path, csidl, TRUE)) return false;
  value = path;
  return true;
}

std::string WithoutTrailingSlash(std::string s) {
  if (s.size() > 3 && s.back() == '\\') s.pop_back();
  return s;
}

}  // namespace

bool SystemToken(const std::string& name, std::string& value) {
  char buf[MAX_PATH];
  std::string n;
  for (char c : name) n += static_cast<char>(toupper(static_cast<unsigned char>(c)));
  if (n == "WINDIR" && GetWindowsDirectoryA(buf, MAX_PATH)) return value = WithoutTrailingSlash(buf), true;
  if (n == "SYSDIR" && GetSystemDirectoryA(buf, MAX_PATH)) return value = WithoutTrailingSlash(buf), true;
  if (n == "TEMP" && GetTempPathA(MAX_PATH, buf)) return value = WithoutTrailingSlash(buf), true;
  if (n == "PROGRAMS") return SpecialFolder(CSIDL_PROGRAMS, value);
  if (n == "STARTMENU") return SpecialFolder(CSIDL_STARTMENU, value);
  if (n == "DESKTOP") return SpecialFolder(CSIDL_DESKTOPDIRECTORY, value);
  if (n == "COMMONPROGRAMS") return SpecialFolder(CSIDL_COMMON_PROGRAMS, value);
  if (n == "PROGRAMFILES") {
    HKEY key;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion", 0, KEY_QUERY_VALUE, &key) ==
        ERROR_SUCCESS) {
      DWORD size = sizeof buf, type = 0;
      LONG rc = RegQueryValueExA(key, "ProgramFilesDir", nullptr, &type, reinterpret_cast<BYTE*>(buf), &size);
      RegCloseKey(key);
      if (rc == ERROR_SUCCESS && type == REG_SZ) return value = WithoutTrailingSlash(buf), true;
    }
    return false;
  }
  if (n == "EXEDIR" && GetModuleFileNameA(nullptr, buf, MAX_PATH)) return value = DirectoryOf(buf), true;
  DWORD got = GetEnvironmentVariableA(name.c_str(), buf, MAX_PATH);
  if (got > 0 && got < MAX_PATH) return value = buf, true;
  return false;
}

bool ReadFileStamp(const std::string& path, Stamp& stamp, uint32_t& size, uint32_t* crc) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  FILETIME written, local;
  WORD date = 0, time = 0;
  bool ok = GetFileTime(h, nullptr, nullptr, &written) && FileTimeToLocalFileTime(&written, &local) &&
            FileTimeToDosDateTime(&local, &date, &time);
  size = GetFileSize(h, nullptr);
  if (ok && crc) {
    uint32_t c = 0;
    char block[16384];
    DWORD got = 0;
    while (ReadFile(h, block, sizeof block, &got, nullptr) && got > 0) c = Crc32(block, got, c);
    *crc = c;
  }
  CloseHandle(h);
  stamp = UnpackDos(date, time);
  return ok;
}

bool SetFileStamp(const std::string& path, const Stamp& stamp) {
  SYSTEMTIME st = {};
  st.wYear = static_cast<WORD>(stamp.Year);
  st.wMonth = static_cast<WORD>(stamp.Month);
  st.wDay = static_cast<WORD>(stamp.Day);
  st.wHour = static_cast<WORD>(stamp.Hour);
  st.wMinute = static_cast<WORD>(stamp.Minute);
  st.wSecond = static_cast<WORD>(stamp.Second);
  FILETIME local, utc;
  if (!SystemTimeToFileTime(&st, &local) || !LocalFileTimeToFileTime(&local, &utc)) return false;
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  BOOL ok = SetFileTime(h, nullptr, nullptr, &utc);
  CloseHandle(h);
  return ok != FALSE;
}

bool ReadWholeFile(const std::string& path, std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                         FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  bytes.clear();
  char block[16384];
  DWORD got = 0;
  while (ReadFile(h, block, sizeof block, &got, nullptr) && got > 0) bytes.append(block, got);
  CloseHandle(h);
  return true;
}

bool WriteWholeFile(const std::string& path, const std::string& bytes) {
  HANDLE h = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  DWORD put = 0;
  BOOL ok = bytes.empty() || WriteFile(h, bytes.data(), static_cast<DWORD>(bytes.size()), &put, nullptr);
  CloseHandle(h);
  return ok && put == bytes.size();
}

void CreateParentDirs(const std::string& path) {
  for (size_t i = path.find('\\'); i != std::string::npos; i = path.find('\\', i + 1))
    if (i > 2) CreateDirectoryA(path.substr(0, i).c_str(), nullptr);
}

bool PathExists(const std::string& path) { return GetFileAttributesA(path.c_str()) != INVALID_FILE_ATTRIBUTES; }

bool IsDirectory(const std::string& path) {
  DWORD a = GetFileAttributesA(path.c_str());
  return a != INVALID_FILE_ATTRIBUTES && (a & FILE_ATTRIBUTE_DIRECTORY);
}

std::string DirectoryOf(const std::string& path) {
  size_t slash = path.find_last_of('\\');
  return slash == std::string::npos ? std::string() : path.substr(0, slash);
}

int PlatformFamily() {
  OSVERSIONINFOA info = {};
  info.dwOSVersionInfoSize = sizeof info;
  GetVersionExA(&info);
  return info.dwPlatformId == VER_PLATFORM_WIN32_NT ? 1 : 2;
}
