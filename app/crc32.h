// CRC-32 of the reflected polynomial 0xEDB88320, as the install log records it.
#pragma once
#include <cstddef>
#include <cstdint>

// Fills table (256 entries) with the standard reflected CRC-32 table.
void BuildCrcTable(uint32_t* table);

// Continues a CRC over size bytes. Start with CrcStart and finish with CrcFinish.
uint32_t CrcUpdate(const uint32_t* table, uint32_t crc, const void* data, size_t size);
const uint32_t CrcStart = 0xFFFFFFFFu;
inline uint32_t CrcFinish(uint32_t crc) { return ~crc; }
