// What the tools ask of the system: folder names for %NAME% tokens, file stamps and
// contents, directories along a path, and short error texts.
#pragma once
#include <windows.h>

#include <cstdint>
#include <string>

#include "tools/common/dos_time.h"

// Value of a %NAME% token: WINDIR, SYSDIR, TEMP, PROGRAMS, STARTMENU, DESKTOP,
// COMMONPROGRAMS, PROGRAMFILES, EXEDIR (the running program's directory), then any
// environment variable. False when none of them has the name.
bool SystemToken(const std::string& name, std::string& value);

// The file's last-write time in local time (through the DOS date and time, as repair
// compares it), its size and its CRC-32. False when the file cannot be read.
bool ReadFileStamp(const std::string& path, Stamp& stamp, uint32_t& size, uint32_t* crc);
// Sets the last-write time from a local-time stamp.
bool SetFileStamp(const std::string& path, const Stamp& stamp);
bool ReadWholeFile(const std::string& path, std::string& bytes);
bool WriteWholeFile(const std::string& path, const std::string& bytes);  // replaces the file
// Creates every missing directory above the file path; the file name itself is not created.
void CreateParentDirs(const std::string& path);
bool PathExists(const std::string& path);
bool IsDirectory(const std::string& path);
std::string DirectoryOf(const std::string& path);  // without the trailing backslash

// 1 on the Windows NT family, 2 on the Windows 95 family (the log's PlatformKind).
int PlatformFamily();
