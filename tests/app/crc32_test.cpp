// The CRC-32 table and update against known values.
#include <gtest/gtest.h>

#include <cstring>

#include "app/crc32.h"

TEST(Crc32, MatchesTheStandardCheckValues) {
  uint32_t table[256];
  BuildCrcTable(table);
  EXPECT_EQ(0u, table[0]);
  EXPECT_EQ(0x77073096u, table[1]);
  EXPECT_EQ(0x2D02EF8Du, table[255]);
  const char text[] = "123456789";
  EXPECT_EQ(0xCBF43926u, CrcFinish(CrcUpdate(table, CrcStart, text, 9)));
  // Fed in pieces, the result is the same.
  uint32_t crc = CrcUpdate(table, CrcStart, text, 4);
  EXPECT_EQ(0xCBF43926u, CrcFinish(CrcUpdate(table, crc, text + 4, 5)));
  EXPECT_EQ(0u, CrcFinish(CrcUpdate(table, CrcStart, text, 0)));
}
