// Generated payload and CRC-32.
#include "tools/common/payload.h"

#include <cctype>

namespace {

struct CrcTable {
  uint32_t Entry[256];
  CrcTable() {
    for (uint32_t n = 0; n < 256; ++n) {
      uint32_t c = n;
      for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
      Entry[n] = c;
    }
  }
};

}  // namespace

uint32_t Crc32(const void* data, size_t size, uint32_t previous) {
  static const CrcTable table;
  const unsigned char* p = static_cast<const unsigned char*>(data);
  uint32_t c = ~previous;
  for (size_t i = 0; i < size; ++i) c = table.Entry[(c ^ p[i]) & 0xFF] ^ (c >> 8);
  return ~c;
}

std::string MakePayload(const std::string& seed, uint32_t size) {
  // A 64-character line: the seed, then letters from a generator seeded by the seed's hash.
  uint32_t state = 2166136261u;
  for (unsigned char c : seed) state = (state ^ c) * 16777619u;
  static const char alphabet[] = "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789 ";
  std::string out;
  out.reserve(size);
  uint32_t line = 0;
  while (out.size() < size) {
    std::string text = seed + " " + std::to_string(line++) + " ";
    while (text.size() < 62) {
      state = state * 1664525u + 1013904223u;
      text += alphabet[(state >> 24) % (sizeof alphabet - 1)];
    }
    text += "\r\n";
    out += text;
  }
  out.resize(size);
  return out;
}

std::string DefaultSeed(const std::string& path) {
  size_t slash = path.find_last_of("\\/");
  std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  for (char& c : name) c = static_cast<char>(toupper(static_cast<unsigned char>(c)));
  return name;
}
