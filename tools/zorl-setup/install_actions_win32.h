// The system changes zorl-setup makes: registry values and their previous data, INI
// entries, shared-file counters, shortcuts, Program Manager items, services, device
// lines, self-registration. Each returns false on failure with the system's error code
// in error (0 when the failure has no code).
#pragma once
#include <windows.h>

#include <string>
#include <vector>

HKEY RootKey(int logRoot);

// Reads a value: false when it does not exist. logType receives the log's type number
// (-1 for a type the log cannot hold).
bool ReadRegValue(int root, const std::string& key, const std::string& name, int& logType,
                  std::vector<unsigned char>& data);
bool WriteRegValueBytes(int root, const std::string& key, const std::string& name, int logType,
                        const std::vector<unsigned char>& data, DWORD& error);
bool CreateRegKey(int root, const std::string& key, DWORD& error);

// Reads an INI entry: false when the section has no such key.
bool ReadIniEntry(const std::string& file, const std::string& section, const std::string& item, std::string& value);
bool WriteIniEntry(const std::string& file, const std::string& section, const std::string& item,
                   const std::string& value, DWORD& error);

// Adds one to the file's counter under HKLM\...\SharedDLLs (a new counter starts at 1).
bool RaiseSharedCount(const std::string& path, DWORD& error);
// Adds one to the Borland Database Engine's "UseCount" (a decimal text).
bool RaiseSubSystemCount(DWORD& error);

struct ShortcutFields {
  std::string Target, WorkDir, IconFile, Arguments, Description;
  int IconIndex = 0, ShowCommand = 1, HotKey = 0;
};
// Saves a shortcut through the shell link object (COM).
bool SaveShortcut(const std::string& path, const ShortcutFields& f, DWORD& error);

// Creates the group (when missing) and the item through Program Manager's DDE interface.
bool AddProgmanItem(const std::string& group, const std::string& name, const std::string& command, DWORD& error);

// Creates a demand-start service of its own process; an existing service counts as made.
bool CreateServiceEntry(const std::string& name, const std::string& command, const std::string& display,
                        DWORD& error);

// Adds "device=..." to [386Enh] of SYSTEM.INI in the Windows directory.
bool AddDevice(const std::string& path, DWORD& error);

// Registers a server: an executable is run with /REGSERVER, a library has its
// DllRegisterServer called between OleInitialize and OleUninitialize.
bool RegisterServer(const std::string& path, DWORD& error);
