// DOS dates and times and the texts built from them.
#include "tools/common/dos_time.h"

#include <cstdio>

uint16_t PackDosDate(const Stamp& s) {
  return static_cast<uint16_t>(((s.Year - 1980) << 9) | ((s.Month & 15) << 5) | (s.Day & 31));
}

uint16_t PackDosTime(const Stamp& s) {
  return static_cast<uint16_t>((s.Hour << 11) | ((s.Minute & 63) << 5) | ((s.Second / 2) & 31));
}

Stamp UnpackDos(uint16_t date, uint16_t time) {
  Stamp s;
  int yy = ((date >> 9) + 80) % 100;
  s.Year = yy < 60 ? 2000 + yy : 1900 + yy;
  s.Month = (date >> 5) & 15;
  s.Day = date & 31;
  s.Hour = time >> 11;
  s.Minute = (time >> 5) & 63;
  s.Second = (time & 31) * 2;
  return s;
}

namespace {

// Reads "AA<sep>BB<sep>CCCC" style texts: digit counts given per part.
bool ReadParts(const std::string& text, char sep, const int* widths, int* values) {
  size_t pos = 0;
  for (int part = 0; part < 3; ++part) {
    if (part > 0) {
      if (pos >= text.size() || text[pos] != sep) return false;
      ++pos;
    }
    int v = 0;
    for (int k = 0; k < widths[part]; ++k, ++pos) {
      if (pos >= text.size() || text[pos] < '0' || text[pos] > '9') return false;
      v = v * 10 + (text[pos] - '0');
    }
    values[part] = v;
  }
  return pos == text.size();
}

}  // namespace

bool ParseDate(const std::string& text, Stamp& s) {
  static const int widths[3] = {2, 2, 4};
  int v[3];
  if (!ReadParts(text, '-', widths, v)) return false;
  if (v[0] < 1 || v[0] > 12 || v[1] < 1 || v[1] > 31 || v[2] < 1980 || v[2] > 2107) return false;
  s.Month = v[0];
  s.Day = v[1];
  s.Year = v[2];
  return true;
}

bool ParseTime(const std::string& text, Stamp& s) {
  static const int widths[3] = {2, 2, 2};
  int v[3];
  if (!ReadParts(text, ':', widths, v)) return false;
  if (v[0] > 23 || v[1] > 59 || v[2] > 59) return false;
  s.Hour = v[0];
  s.Minute = v[1];
  s.Second = v[2];
  return true;
}

std::string FormatDate(const Stamp& s) {
  char buf[32];
  snprintf(buf, sizeof buf, "%02d-%02d-%04d", s.Month, s.Day, s.Year);
  return buf;
}

std::string FormatTime(const Stamp& s) {
  char buf[32];
  snprintf(buf, sizeof buf, "%02d:%02d:%02d", s.Hour, s.Minute, s.Second);
  return buf;
}

std::string FormatDetails(const Stamp& s, const std::string& third, uint32_t size, uint32_t crc) {
  char buf[48];
  snprintf(buf, sizeof buf, " | %lu | %lx", static_cast<unsigned long>(size), static_cast<unsigned long>(crc));
  return " " + FormatDate(s) + " | " + FormatTime(s) + " | " + third + buf;
}

std::string FormatSourceAttributes(const Stamp& s, uint32_t size) {
  char buf[80];
  snprintf(buf, sizeof buf, "%02d-%02d-%04d | %02d:%02d:%02d | %ld", s.Month, s.Day, s.Year, s.Hour, s.Minute,
           s.Second, static_cast<long>(size));
  return buf;
}
