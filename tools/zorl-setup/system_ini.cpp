// Adding device lines to SYSTEM.INI.
#include "tools/zorl-setup/system_ini.h"

#include <cctype>

namespace {

bool StartsNoCase(const std::string& text, size_t at, const std::string& prefix) {
  if (text.size() - at < prefix.size()) return false;
  for (size_t i = 0; i < prefix.size(); ++i)
    if (tolower(static_cast<unsigned char>(text[at + i])) != tolower(static_cast<unsigned char>(prefix[i])))
      return false;
  return true;
}

size_t SkipBlanks(const std::string& text, size_t at) {
  while (at < text.size() && (text[at] == ' ' || text[at] == '\t')) ++at;
  return at;
}

}  // namespace

std::string DeviceLineValue(const std::string& path, const std::string& systemDir) {
  std::string dir = systemDir;
  if (!dir.empty() && dir.back() != '\\') dir += '\\';
  if (path.size() > dir.size() && StartsNoCase(path, 0, dir)) return path.substr(dir.size());
  return path;
}

std::string AddDeviceLine(const std::string& ini, const std::string& value) {
  const std::string line = "device=" + value + "\r\n";
  std::string text = ini;
  if (!text.empty() && text.back() != '\n') text += "\r\n";

  // Walk the lines: find [386Enh], then the end of its last non-empty line.
  bool inside = false;
  size_t insertAt = std::string::npos;
  size_t pos = 0;
  while (pos < text.size()) {
    size_t end = text.find('\n', pos);
    end = end == std::string::npos ? text.size() : end + 1;
    size_t first = SkipBlanks(text, pos);
    bool blank = first >= end || text[first] == '\r' || text[first] == '\n';
    if (!blank && text[first] == '[') {
      if (inside) break;
      inside = StartsNoCase(text, first, "[386Enh]");
      if (inside) insertAt = end;
    } else if (inside && !blank) {
      insertAt = end;
    }
    pos = end;
  }
  if (insertAt == std::string::npos) return text + "[386Enh]\r\n" + line;
  return text.substr(0, insertAt) + line + text.substr(insertAt);
}
