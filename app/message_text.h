// Every text the uninstaller shows: message n of the string table, unless the settings
// file's section "Language" holds a replacement under the key "Msg<n>".
#pragma once
#include <cstddef>

// Fills buffer (size bytes) with message number; returns the count the settings lookup
// reported (1 when the string table was used).
unsigned MessageText(unsigned number, char* buffer, size_t size);

// The one-character text passed as the lookup's default: a missing key, section or file.
const char AbsentValueMark[] = "\x7f";
