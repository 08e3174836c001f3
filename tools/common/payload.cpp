// Generated payload and CRC-32.
#include "tools/common/payload.h"

#include <cctype>

#include "app/crc32.h"

uint32_t Crc32(const void* data, size_t size, uint32_t previous) {
  static uint32_t table[256];
  if (table[1] == 0) BuildCrcTable(table);
  return CrcFinish(CrcUpdate(table, ~previous, data, size));
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
