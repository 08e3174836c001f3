// The arena, the growing lists and the bounded copies into fixed-size fields.
#include <gtest/gtest.h>

#include <cstring>
#include <string>
#include <vector>

#include "log/bounded_text.h"
#include "log/item_lists.h"

namespace {
TEST(Arena, RecordsKeepTheirAddressesAndStayZeroFilled) {
  Arena arena;
  std::vector<char*> blocks;
  for (int i = 0; i < 1000; ++i) {
    char* p = static_cast<char*>(arena.Alloc(1000));
    for (int j = 0; j < 1000; ++j) ASSERT_EQ(0, p[j]);
    p[0] = static_cast<char>(i);
    blocks.push_back(p);
  }
  for (int i = 0; i < 1000; ++i) ASSERT_EQ(static_cast<char>(i), blocks[i][0]);
  // A request larger than a block gets a block of its own.
  char* big = static_cast<char*>(arena.Alloc(200000));
  big[199999] = 'x';
  EXPECT_GE(arena.BytesReserved(), 200000u + 1000u * 1000u);
  arena.FreeAll();
  EXPECT_EQ(0u, arena.BytesReserved());
}

TEST(ItemList, GrowsPastItsCapacityWithoutMovingRecords) {
  Arena arena;
  InstallData data;
  AllocateInstallData(arena, data);
  EXPECT_EQ(16000u, data.Services.Capacity);
  std::vector<ServiceItem*> records;
  for (int i = 0; i < 40000; ++i) {
    ServiceItem* s = data.Services.Append(arena);
    CopyText(s->Name, std::to_string(i).c_str());
    records.push_back(s);
  }
  ASSERT_EQ(40000u, data.Services.Count);
  for (int i = 0; i < 40000; ++i) {
    ASSERT_EQ(records[i], data.Services[i]);
    ASSERT_EQ(std::to_string(i), records[i]->Name);
  }
}

TEST(SourceTable, KeepsSourcesOfInstallationsBeyond1023) {
  Arena arena;
  InstallData data;
  AllocateInstallData(arena, data);
  data.InstallSources.Set(arena, 1, "A:\\SETUP.EXE");
  data.InstallSources.Set(arena, 5000, "B:\\SETUP.EXE");
  EXPECT_STREQ("A:\\SETUP.EXE", data.InstallSources.Get(1));
  EXPECT_STREQ("B:\\SETUP.EXE", data.InstallSources.Get(5000));
  EXPECT_EQ(nullptr, data.InstallSources.Get(2));
  EXPECT_EQ(nullptr, data.InstallSources.Get(65535));
  data.InstallSources.Clear(5000);
  EXPECT_EQ(nullptr, data.InstallSources.Get(5000));
}

TEST(BoundedText, CutsAtTheFieldWidth) {
  struct Guarded {
    char field[8];
    char guard[8];
  } g;
  std::memset(&g, '#', sizeof g);
  EXPECT_EQ(7u, CopyText(g.field, "0123456789"));
  EXPECT_STREQ("0123456", g.field);
  EXPECT_EQ(0, std::memcmp(g.guard, "########", 8));

  EXPECT_EQ(3u, CopyText(g.field, "abc"));
  EXPECT_EQ(7u, AppendText(g.field, "defghij"));
  EXPECT_STREQ("abcdefg", g.field);
  EXPECT_EQ(2u, CopyTextN(g.field, "xyz", 2));
  EXPECT_STREQ("xy", g.field);
  EXPECT_EQ(0, std::memcmp(g.guard, "########", 8));
}
}  // namespace
