// Registry data in the install log's forms.
#include "tools/zorl-setup/reg_data.h"

#include <cctype>
#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

int IndexOfName(const std::string& text, const char* const* names, int count) {
  if (!text.empty() && isdigit(static_cast<unsigned char>(text[0]))) {
    char* end = nullptr;
    long n = strtol(text.c_str(), &end, 10);
    return (*end == '\0' && n >= 0 && n < count) ? static_cast<int>(n) : -1;
  }
  for (int i = 0; i < count; ++i) {
    const char* n = names[i];
    if (text.size() == strlen(n)) {
      bool same = true;
      for (size_t k = 0; k < text.size(); ++k)
        if (tolower(static_cast<unsigned char>(text[k])) != tolower(static_cast<unsigned char>(n[k]))) same = false;
      if (same) return i;
    }
  }
  return -1;
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return (c >= 'A' && c <= 'F') ? c - 'A' + 10 : -1;
}

}  // namespace

int ParseRegType(const std::string& text) {
  static const char* const names[] = {"sz", "expand", "multi", "dword", "binary"};
  return IndexOfName(text, names, 5);
}

int ParseRegRoot(const std::string& text) {
  static const char* const names[] = {"HKCR", "HKCU", "HKLM", "HKU", "HKCC"};
  return IndexOfName(text, names, 5);
}

uint32_t SystemRegType(int logType) {
  static const uint32_t types[] = {1, 2, 7, 4, 3};
  return (logType >= 0 && logType < 5) ? types[logType] : 0;
}

int LogRegType(uint32_t systemType) {
  for (int t = 0; t < 5; ++t)
    if (SystemRegType(t) == systemType) return t;
  return -1;
}

std::vector<unsigned char> EncodeRegData(int logType, const std::vector<std::string>& texts) {
  std::vector<unsigned char> bytes;
  std::string first = texts.empty() ? std::string() : texts[0];
  switch (logType) {
    case 2:
      for (const std::string& t : texts) {
        bytes.insert(bytes.end(), t.begin(), t.end());
        bytes.push_back(0);
      }
      bytes.push_back(0);
      break;
    case 3: {
      uint32_t v = static_cast<uint32_t>(strtol(first.c_str(), nullptr, 10));
      for (int i = 0; i < 4; ++i) bytes.push_back(static_cast<unsigned char>(v >> (8 * i)));
      break;
    }
    case 4: {
      int high = -1;
      for (char c : first) {
        int v = HexValue(c);
        if (v < 0) continue;
        if (high < 0) {
          high = v;
        } else {
          bytes.push_back(static_cast<unsigned char>(high << 4 | v));
          high = -1;
        }
      }
      break;
    }
    default:
      bytes.assign(first.begin(), first.end());
      bytes.push_back(0);
      break;
  }
  return bytes;
}

std::vector<std::string> DecodeRegData(int logType, const std::vector<unsigned char>& bytes) {
  std::vector<std::string> lines;
  switch (logType) {
    case 2: {
      size_t i = 0;
      while (i < bytes.size() && bytes[i] != 0) {
        std::string s;
        while (i < bytes.size() && bytes[i] != 0) s += static_cast<char>(bytes[i++]);
        lines.push_back(s);
        ++i;
      }
      break;
    }
    case 3: {
      uint32_t v = 0;
      for (size_t i = 0; i < 4 && i < bytes.size(); ++i) v |= static_cast<uint32_t>(bytes[i]) << (8 * i);
      lines.push_back(std::to_string(static_cast<int32_t>(v)));
      break;
    }
    case 4: {
      std::string s;
      char pair[3];
      for (unsigned char b : bytes) {
        snprintf(pair, sizeof pair, "%02x", b);
        s += pair;
      }
      lines.push_back(s);
      break;
    }
    default: {
      std::string s;
      for (size_t i = 0; i < bytes.size() && bytes[i] != 0; ++i) s += static_cast<char>(bytes[i]);
      lines.push_back(s);
      break;
    }
  }
  return lines;
}
