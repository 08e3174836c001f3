// Registry data in the forms the install log uses. Type numbers are the log's:
// 0 REG_SZ, 1 REG_EXPAND_SZ, 2 REG_MULTI_SZ, 3 REG_DWORD, 4 REG_BINARY; root numbers
// 0 HKEY_CLASSES_ROOT, 1 HKEY_CURRENT_USER, 2 HKEY_LOCAL_MACHINE, 3 HKEY_USERS,
// 4 HKEY_CURRENT_CONFIG.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

// Accepts the number itself or a name (sz, expand, multi, dword, binary; HKCR, HKCU,
// HKLM, HKU, HKCC); -1 when the text is neither.
int ParseRegType(const std::string& text);
int ParseRegRoot(const std::string& text);
// The system's value type for a log type number (REG_SZ = 1 ... REG_BINARY = 3).
uint32_t SystemRegType(int logType);
// The log type number for a system value type, -1 for types the log cannot hold.
int LogRegType(uint32_t systemType);

// The bytes to store for manifest data: one text for types 0, 1, 3 and 4 (decimal for
// 3, hexadecimal digit pairs for 4), one text per string for type 2.
std::vector<unsigned char> EncodeRegData(int logType, const std::vector<std::string>& texts);
// The lines that stand for stored bytes in "RegDB Val: " and "RegDB Old: " lines: the
// text; one line per string; the decimal number; lower-case hexadecimal digit pairs.
std::vector<std::string> DecodeRegData(int logType, const std::vector<unsigned char>& bytes);
