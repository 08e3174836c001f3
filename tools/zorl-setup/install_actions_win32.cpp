// System changes made by zorl-setup.
#include "tools/zorl-setup/install_actions_win32.h"

#include <ddeml.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdlib>

#include "tools/common/system_win32.h"
#include "tools/zorl-setup/reg_data.h"
#include "tools/zorl-setup/system_ini.h"

HKEY RootKey(int logRoot) {
  static const HKEY roots[] = {HKEY_CLASSES_ROOT, HKEY_CURRENT_USER, HKEY_LOCAL_MACHINE, HKEY_USERS,
                               HKEY_CURRENT_CONFIG};
  return (logRoot >= 0 && logRoot < 5) ? roots[logRoot] : HKEY_LOCAL_MACHINE;
}

bool ReadRegValue(int root, const std::string& key, const std::string& name, int& logType,
                  std::vector<unsigned char>& data) {
  HKEY h;
  if (RegOpenKeyExA(RootKey(root), key.c_str(), 0, KEY_QUERY_VALUE, &h) != ERROR_SUCCESS) return false;
  DWORD type = 0, size = 0;
  LONG rc = RegQueryValueExA(h, name.c_str(), nullptr, &type, nullptr, &size);
  if (rc == ERROR_SUCCESS) {
    data.assign(size, 0);
    rc = RegQueryValueExA(h, name.c_str(), nullptr, &type, data.empty() ? nullptr : data.data(), &size);
    data.resize(size);
  }
  RegCloseKey(h);
  logType = LogRegType(type);
  return rc == ERROR_SUCCESS;
}

bool WriteRegValueBytes(int root, const std::string& key, const std::string& name, int logType,
                        const std::vector<unsigned char>& data, DWORD& error) {
  HKEY h;
  DWORD disposition;
  error = RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE, nullptr,
                          &h, &disposition);
  if (error != ERROR_SUCCESS) return false;
  error = RegSetValueExA(h, name.c_str(), 0, SystemRegType(logType), data.empty() ? nullptr : data.data(),
                         static_cast<DWORD>(data.size()));
  RegCloseKey(h);
  return error == ERROR_SUCCESS;
}

bool CreateRegKey(int root, const std::string& key, DWORD& error) {
  HKEY h;
  DWORD disposition;
  error = RegCreateKeyExA(RootKey(root), key.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_WRITE, nullptr, &h,
                          &disposition);
  if (error != ERROR_SUCCESS) return false;
  RegCloseKey(h);
  return true;
}

bool ReadIniEntry(const std::string& file, const std::string& section, const std::string& item, std::string& value) {
  // Two different defaults tell a missing key from one whose value equals a default.
  char a[1024], b[1024];
  GetPrivateProfileStringA(section.c_str(), item.c_str(), "\x01", a, sizeof a, file.c_str());
  GetPrivateProfileStringA(section.c_str(), item.c_str(), "\x02", b, sizeof b, file.c_str());
  if (lstrcmpA(a, b) != 0) return false;
  value = a;
  return true;
}

bool WriteIniEntry(const std::string& file, const std::string& section, const std::string& item,
                   const std::string& value, DWORD& error) {
  CreateParentDirs(file);
  if (WritePrivateProfileStringA(section.c_str(), item.c_str(), value.c_str(), file.c_str())) return true;
  error = GetLastError();
  return false;
}

namespace {

const char SharedDllsKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs";

// Reads a count held as a DWORD, a 4-byte binary value or a decimal text; 0 when absent.
DWORD ReadCount(HKEY key, const char* name) {
  BYTE data[256];
  DWORD type = 0, size = sizeof data - 1;
  if (RegQueryValueExA(key, name, nullptr, &type, data, &size) != ERROR_SUCCESS) return 0;
  if ((type == REG_DWORD || type == REG_BINARY) && size == 4) return *reinterpret_cast<DWORD*>(data);
  if (type == REG_SZ) {
    data[size] = 0;
    return static_cast<DWORD>(strtol(reinterpret_cast<char*>(data), nullptr, 10));
  }
  return 0;
}

bool RaiseCount(const char* keyPath, const std::string& name, bool asText, DWORD& error) {
  HKEY key;
  DWORD disposition;
  error = RegCreateKeyExA(HKEY_LOCAL_MACHINE, keyPath, 0, nullptr, REG_OPTION_NON_VOLATILE,
                          KEY_QUERY_VALUE | KEY_SET_VALUE, nullptr, &key, &disposition);
  if (error != ERROR_SUCCESS) return false;
  DWORD count = ReadCount(key, name.c_str()) + 1;
  if (asText) {
    std::string text = std::to_string(count);
    error = RegSetValueExA(key, name.c_str(), 0, REG_SZ, reinterpret_cast<const BYTE*>(text.c_str()),
                           static_cast<DWORD>(text.size() + 1));
  } else {
    error = RegSetValueExA(key, name.c_str(), 0, REG_DWORD, reinterpret_cast<const BYTE*>(&count), sizeof count);
  }
  RegCloseKey(key);
  return error == ERROR_SUCCESS;
}

std::wstring Wide(const std::string& text) {
  wchar_t buf[1024];
  int n = MultiByteToWideChar(CP_ACP, 0, text.c_str(), -1, buf, 1024);
  return n > 0 ? std::wstring(buf) : std::wstring();
}

HDDEDATA CALLBACK DdeCallback(UINT, UINT, HCONV, HSZ, HSZ, HDDEDATA, ULONG_PTR, ULONG_PTR) { return nullptr; }

bool ProgmanExecute(DWORD instance, HCONV conversation, const std::string& command) {
  HDDEDATA result = DdeClientTransaction(reinterpret_cast<LPBYTE>(const_cast<char*>(command.c_str())),
                                         static_cast<DWORD>(command.size() + 1), conversation, nullptr, 0,
                                         XTYP_EXECUTE, 5000, nullptr);
  return result != nullptr;
}

bool RunAndWait(const std::string& commandLine, DWORD& exitCode, DWORD& error) {
  STARTUPINFOA si = {};
  si.cb = sizeof si;
  PROCESS_INFORMATION pi;
  std::string line = commandLine;
  if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &si, &pi)) {
    error = GetLastError();
    return false;
  }
  DWORD waited = WaitForSingleObject(pi.hProcess, 60000);
  GetExitCodeProcess(pi.hProcess, &exitCode);
  CloseHandle(pi.hThread);
  CloseHandle(pi.hProcess);
  error = waited == WAIT_OBJECT_0 ? 0 : WAIT_TIMEOUT;
  return waited == WAIT_OBJECT_0;
}

bool EndsWithNoCase(const std::string& text, const char* tail) {
  size_t n = lstrlenA(tail);
  return text.size() >= n && lstrcmpiA(text.c_str() + text.size() - n, tail) == 0;
}

}  // namespace

bool RaiseSharedCount(const std::string& path, DWORD& error) { return RaiseCount(SharedDllsKey, path, false, error); }

bool RaiseSubSystemCount(DWORD& error) {
  if (!CreateRegKey(2, "Software\\Borland\\BLW32", error)) return false;
  return RaiseCount("Software\\Borland\\Database Engine", "UseCount", true, error);
}

bool SaveShortcut(const std::string& path, const ShortcutFields& f, DWORD& error) {
  HRESULT hr = CoInitialize(nullptr);
  bool initialised = SUCCEEDED(hr);
  IShellLinkA* link = nullptr;
  hr = CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                        reinterpret_cast<void**>(&link));
  if (SUCCEEDED(hr)) {
    link->SetPath(f.Target.c_str());
    link->SetWorkingDirectory(f.WorkDir.c_str());
    link->SetArguments(f.Arguments.c_str());
    link->SetDescription(f.Description.c_str());
    if (!f.IconFile.empty()) link->SetIconLocation(f.IconFile.c_str(), f.IconIndex);
    link->SetShowCmd(f.ShowCommand);
    if (f.HotKey & 0xFF) link->SetHotkey(static_cast<WORD>(f.HotKey));
    IPersistFile* file = nullptr;
    hr = link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file));
    if (SUCCEEDED(hr)) {
      CreateParentDirs(path);
      hr = file->Save(Wide(path).c_str(), TRUE);
      file->Release();
    }
    link->Release();
  }
  if (initialised) CoUninitialize();
  error = static_cast<DWORD>(hr);
  return SUCCEEDED(hr);
}

bool AddProgmanItem(const std::string& group, const std::string& name, const std::string& command, DWORD& error) {
  DWORD instance = 0;
  error = DdeInitializeA(&instance, DdeCallback, APPCMD_CLIENTONLY, 0);
  if (error != DMLERR_NO_ERROR) return false;
  HSZ service = DdeCreateStringHandleA(instance, "PROGMAN", CP_WINANSI);
  // The shell may still be starting: give Program Manager a few seconds to answer.
  HCONV conversation = nullptr;
  for (int attempt = 0; attempt < 30 && !conversation; ++attempt) {
    if (attempt) Sleep(100);
    conversation = DdeConnect(instance, service, service, nullptr);
  }
  bool ok = false;
  if (conversation) {
    ok = ProgmanExecute(instance, conversation, "[CreateGroup(\"" + group + "\")]") &&
         ProgmanExecute(instance, conversation, "[AddItem(\"" + command + "\",\"" + name + "\")]");
    if (!ok) error = DdeGetLastError(instance);
    DdeDisconnect(conversation);
  } else {
    error = DdeGetLastError(instance);
  }
  DdeFreeStringHandle(instance, service);
  DdeUninitialize(instance);
  return ok;
}

bool CreateServiceEntry(const std::string& name, const std::string& command, const std::string& display,
                        DWORD& error) {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CREATE_SERVICE);
  if (!manager) {
    error = GetLastError();
    return false;
  }
  SC_HANDLE service = CreateServiceA(manager, name.c_str(), display.empty() ? name.c_str() : display.c_str(),
                                     SERVICE_ALL_ACCESS, SERVICE_WIN32_OWN_PROCESS, SERVICE_DEMAND_START,
                                     SERVICE_ERROR_NORMAL, command.c_str(), nullptr, nullptr, nullptr, nullptr,
                                     nullptr);
  error = service ? 0 : GetLastError();
  if (service) CloseServiceHandle(service);
  CloseServiceHandle(manager);
  if (error == ERROR_SERVICE_EXISTS) error = 0;
  return error == 0;
}

bool AddDevice(const std::string& path, DWORD& error) {
  char windows[MAX_PATH], system[MAX_PATH];
  GetWindowsDirectoryA(windows, MAX_PATH);
  GetSystemDirectoryA(system, MAX_PATH);
  std::string ini = std::string(windows) + "\\SYSTEM.INI";
  std::string text;
  ReadWholeFile(ini, text);  // a missing file starts empty
  if (WriteWholeFile(ini, AddDeviceLine(text, DeviceLineValue(path, system)))) return true;
  error = GetLastError();
  return false;
}

bool RegisterServer(const std::string& path, DWORD& error) {
  if (EndsWithNoCase(path, "EXE")) {
    DWORD code = 0;
    if (!RunAndWait("\"" + path + "\" /REGSERVER", code, error)) return false;
    error = code;
    return code == 0;
  }
  HRESULT init = OleInitialize(nullptr);
  HMODULE library = LoadLibraryA(path.c_str());
  bool ok = false;
  if (!library) {
    error = GetLastError();
  } else {
    typedef HRESULT(STDAPICALLTYPE * EntryPoint)();
    EntryPoint entry = reinterpret_cast<EntryPoint>(GetProcAddress(library, "DllRegisterServer"));
    if (!entry) {
      error = GetLastError();
    } else {
      HRESULT hr = entry();
      error = static_cast<DWORD>(hr);
      ok = SUCCEEDED(hr);
    }
    FreeLibrary(library);
  }
  if (SUCCEEDED(init)) OleUninitialize();
  return ok;
}
