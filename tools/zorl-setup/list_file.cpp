// Reading repair list lines.
#include "tools/zorl-setup/list_file.h"

#include <cctype>
#include <cstdlib>

namespace {

// Reads an unsigned number in the given base at pos, skipping blanks first; false when
// no digit is there.
bool ReadNumber(const std::string& s, size_t& pos, int base, unsigned long& value) {
  while (pos < s.size() && s[pos] == ' ') ++pos;
  const char* start = s.c_str() + pos;
  char* end = nullptr;
  if (pos >= s.size() || !isxdigit(static_cast<unsigned char>(*start))) return false;
  value = strtoul(start, &end, base);
  if (end == start) return false;
  pos += static_cast<size_t>(end - start);
  while (pos < s.size() && s[pos] == ' ') ++pos;
  return true;
}

bool Expect(const std::string& s, size_t& pos, char c) {
  if (pos >= s.size() || s[pos] != c) return false;
  ++pos;
  return true;
}

}  // namespace

bool ParseListLine(const std::string& raw, ListEntry& entry) {
  std::string line = raw;
  while (!line.empty() && (line.back() == '\r' || line.back() == '\n')) line.pop_back();
  size_t bar = line.find('|');
  if (bar == std::string::npos || bar == 0) return false;
  entry.Path = line.substr(0, bar);
  size_t pos = bar + 1;
  unsigned long date, time, size, crc;
  if (!ReadNumber(line, pos, 10, date) || !Expect(line, pos, '|')) return false;
  if (!ReadNumber(line, pos, 10, time) || !Expect(line, pos, '|')) return false;
  if (!ReadNumber(line, pos, 10, size) || !Expect(line, pos, '|')) return false;
  if (!ReadNumber(line, pos, 16, crc) || pos != line.size()) return false;
  if (date > 0xFFFF || time > 0xFFFF) return false;
  entry.DosDate = static_cast<uint16_t>(date);
  entry.DosTime = static_cast<uint16_t>(time);
  entry.Size = static_cast<uint32_t>(size);
  entry.Crc = static_cast<uint32_t>(crc);
  return true;
}
