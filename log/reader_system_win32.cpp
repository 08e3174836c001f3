// The Windows API behind the log reader's questions.
#include "log/reader_system_win32.h"

#include "app/message_text.h"
#include "log/bounded_text.h"

Win32ReaderSystem::~Win32ReaderSystem() {
  if (sharedDlls_ != nullptr) RegCloseKey(sharedDlls_);
  log_.Close();
}

ByteSource* Win32ReaderSystem::OpenLog(const char* path) { return log_.Open(path) ? &log_ : nullptr; }

void Win32ReaderSystem::CloseLog(ByteSource* log) { log_.Close(); }

bool Win32ReaderSystem::FileExists(const char* path) { return ::FileExists(path); }

void Win32ReaderSystem::NormalizePath(char* path, int mode) { ::NormalizePath(path, mode); }

bool Win32ReaderSystem::IsRemovableDrive(char letter) {
  char root[] = "A:\\";
  root[0] = letter;
  return GetDriveTypeA(root) == DRIVE_REMOVABLE;
}

void Win32ReaderSystem::WindowsDirectory(char* buffer, size_t size) {
  UINT length = GetWindowsDirectoryA(buffer, static_cast<UINT>(size));
  if (length == 0 || length >= size) buffer[0] = '\0';
}

void Win32ReaderSystem::SystemDirectory(char* buffer, size_t size) {
  UINT length = GetSystemDirectoryA(buffer, static_cast<UINT>(size));
  if (length == 0 || length >= size) buffer[0] = '\0';
}

bool Win32ReaderSystem::SharedDllCounted(const char* path) {
  // The key is opened once per read with the access the counters' owner needs; a user
  // who may not open it that way sees no counters.
  if (!sharedDllsTried_) {
    sharedDllsTried_ = true;
    if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs", 0,
                      KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_CREATE_SUB_KEY | KEY_ENUMERATE_SUB_KEYS | KEY_NOTIFY,
                      &sharedDlls_) != ERROR_SUCCESS)
      sharedDlls_ = nullptr;
  }
  if (sharedDlls_ == nullptr) return false;
  BYTE value[256];
  DWORD size = sizeof value;
  return RegQueryValueExA(sharedDlls_, path, nullptr, nullptr, value, &size) == ERROR_SUCCESS;
}

bool Win32ReaderSystem::StartMenuFolder(bool common, char* buffer, size_t size) {
  HKEY key;
  if (RegOpenKeyExA(common ? HKEY_LOCAL_MACHINE : HKEY_CURRENT_USER,
                    "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders", 0,
                    KEY_QUERY_VALUE | KEY_SET_VALUE | KEY_NOTIFY, &key) != ERROR_SUCCESS)
    return false;
  char value[257];
  DWORD length = 256;
  LONG status = RegQueryValueExA(key, common ? "Common Start Menu" : "Start Menu", nullptr, nullptr,
                                 reinterpret_cast<BYTE*>(value), &length);
  RegCloseKey(key);
  if (status != ERROR_SUCCESS) return false;
  value[length < 256 ? length : 256] = '\0';  // the stored text need not be terminated
  CopyText(buffer, size, value);
  return true;
}

bool Win32ReaderSystem::CanAdministerServices() {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, GENERIC_READ | GENERIC_WRITE | GENERIC_EXECUTE);
  if (manager == nullptr) return false;
  CloseServiceHandle(manager);
  return true;
}

void Win32ReaderSystem::ShowMessage(unsigned text, unsigned caption) {
  char message[512];
  char title[256];
  MessageText(text, message, sizeof message);
  MessageText(caption, title, sizeof title);
  MessageBoxA(owner_, message, title, MB_OK);
}

void Win32ReaderSystem::SetTitleCaption(const char* logTitle) {
  char uninstall[256];
  char caption[1024];
  MessageText(25, uninstall, sizeof uninstall);
  wsprintfA(caption, "%s %s", uninstall, logTitle);  // at most 255 + 1 + 255 characters
  SetWindowTextA(owner_, caption);
}
