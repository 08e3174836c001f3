// CRC-32 table and update.
#include "app/crc32.h"

void BuildCrcTable(uint32_t* table) {
  table[0] = 0;
  for (uint32_t i = 1; i < 256; ++i) {
    uint32_t c = i;
    for (int bit = 0; bit < 8; ++bit) c = (c & 1) ? (c >> 1) ^ 0xEDB88320u : c >> 1;
    table[i] = c;
  }
}

uint32_t CrcUpdate(const uint32_t* table, uint32_t crc, const void* data, size_t size) {
  const unsigned char* p = static_cast<const unsigned char*>(data);
  for (size_t i = 0; i < size; ++i) crc = table[(crc ^ p[i]) & 0xFF] ^ (crc >> 8);
  return crc;
}
