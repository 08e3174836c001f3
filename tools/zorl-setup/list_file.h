// The lines of a repair list file, as the uninstaller's repair writes them for "/X=":
// path "|" DOS date "|" DOS time "|" the logged details after their third bar
// (" size | crc").
#pragma once
#include <cstdint>
#include <string>

struct ListEntry {
  std::string Path;
  uint16_t DosDate = 0;
  uint16_t DosTime = 0;
  uint32_t Size = 0;
  uint32_t Crc = 0;
};

// False when the line does not have that form.
bool ParseListLine(const std::string& line, ListEntry& entry);
