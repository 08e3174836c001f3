// Generated file contents, so that tests need no binary fixtures: the same seed and size
// always give the same bytes. Also the CRC-32 that the install log records for a file
// (reflected polynomial 0xEDB88320, initial value all ones, final complement).
#pragma once
#include <cstddef>
#include <cstdint>
#include <string>

// Continues a CRC-32: pass 0 for the first block, the previous result for the next.
uint32_t Crc32(const void* data, size_t size, uint32_t previous = 0);

// Printable text lines derived from the seed, cut to exactly size bytes.
std::string MakePayload(const std::string& seed, uint32_t size);

// The seed a file gets when its manifest line names none: its file name (the text after
// the last backslash) in upper case, so that extraction from a repair list, which
// gives only path, size and checksum, can make the same bytes again.
std::string DefaultSeed(const std::string& path);
