// CompareFromEnd and the keyed search trees.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/bounded_text.h"
#include "log/search_tree.h"

namespace {
int Sign(int v) { return (v > 0) - (v < 0); }

TEST(CompareFromEnd, Cases) {
  struct Case {
    const char* a;
    const char* b;
    int sign;
  } cases[] = {
      {"", "", 0},
      {"C:\\APP\\A.EXE", "c:\\app\\a.exe", 0},          // letter case is folded
      {"C:\\APP\\A.EXE", "C:\\APP\\B.EXE", -1},         // decided at the name
      {"C:\\ONE\\A.EXE", "C:\\TWO\\A.EXE", -1},         // shared tail, differs in a leading directory
      {"A.EXE", "C:\\APP\\A.EXE", 1},                   // a is a tail of b: +1
      {"C:\\APP\\A.EXE", "A.EXE", -1},                  // b is a tail of a: -1
      {"X", "", -1},
      {"", "X", 1},
      {"a_", "A_", 0},
      {"\xC4.TXT", "\xE4.TXT", -1},                      // only a-z are folded
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.a) + " vs " + c.b);
    EXPECT_EQ(c.sign, Sign(CompareFromEnd(c.a, c.b)));
  }
  // The result is the difference of the deciding folded characters.
  EXPECT_EQ('B' - 'C', CompareFromEnd("xb", "XC"));
}

class Trees : public ::testing::Test {
 protected:
  Arena arena;
  InstallData data;
  void SetUp() override { AllocateInstallData(arena, data); }

  FileItem* AddFile(const char* path) {
    bool added = false;
    FileItem* item = FindOrAddKeyed(data.PrivateFiles, &arena, path, nullptr, nullptr, &added);
    if (added) CopyText(item->Path, path);
    return item;
  }
};

TEST_F(Trees, FilePathsMergeIgnoringCaseOnly) {
  FileItem* first = AddFile("C:\\APP\\Bin\\Tool.exe");
  EXPECT_EQ(first, AddFile("c:\\app\\bin\\TOOL.EXE"));
  EXPECT_NE(first, AddFile("C:\\OTHER\\Bin\\Tool.exe"));
  EXPECT_NE(first, AddFile("D:\\APP\\Bin\\Tool.exe"));
  EXPECT_NE(first, AddFile("Tool.exe"));
  EXPECT_EQ(4u, data.PrivateFiles.Count);
  EXPECT_EQ(first, data.PrivateFiles[0]);  // the first record is the root
  EXPECT_EQ(nullptr, FindOrAddKeyed(data.PrivateFiles, nullptr, "C:\\APP\\Bin\\Missing.exe", nullptr, nullptr));
  EXPECT_EQ(4u, data.PrivateFiles.Count);  // a lookup without an arena adds nothing
}

TEST_F(Trees, RegistryValuesUseAllThreeKeys) {
  struct Value {
    const char* key;
    const char* name;
    const char* root;
  } values[] = {
      {"Software\\Acme\\Editor", "Path", "2"},
      {"SOFTWARE\\ACME\\EDITOR", "PATH", "2"},  // same value, other case
      {"Software\\Acme\\Editor", "Path", "1"},  // other root
      {"Software\\Acme\\Editor", "", "2"},      // the default value
      {"Software\\Acme\\Editor", "Paths", "2"},
  };
  std::vector<RegValueItem*> found;
  for (const Value& v : values) {
    bool added = false;
    RegValueItem* item = FindOrAddKeyed(data.NewRegValues, &arena, v.key, v.name, v.root, &added);
    if (added) {
      CopyText(item->Key, v.key);
      CopyText(item->ValueName, v.name);
      CopyText(item->RootText, v.root);
    }
    found.push_back(item);
  }
  EXPECT_EQ(found[0], found[1]);
  EXPECT_NE(found[0], found[2]);
  EXPECT_NE(found[0], found[3]);
  EXPECT_NE(found[0], found[4]);
  EXPECT_EQ(4u, data.NewRegValues.Count);
}

TEST_F(Trees, HundredThousandDistinctPathsAreFoundAgain) {
  const int count = 100000;
  std::vector<std::string> paths;
  for (int i = 0; i < count; ++i) {
    // Long shared leading directories, as in a real log.
    paths.push_back("C:\\PROGRAM FILES\\ACME\\EDITOR\\DATA\\SET" + std::to_string(i % 97) + "\\F" +
                    std::to_string(i) + ".DAT");
  }
  for (const std::string& p : paths) AddFile(p.c_str());
  ASSERT_EQ(static_cast<uint32_t>(count), data.PrivateFiles.Count);  // past the initial capacity of 48000
  for (int i = 0; i < count; ++i) {
    FileItem* item = FindOrAddKeyed(data.PrivateFiles, nullptr, paths[i].c_str(), nullptr, nullptr);
    ASSERT_NE(nullptr, item) << paths[i];
    ASSERT_STREQ(paths[i].c_str(), item->Path);
  }
}
}  // namespace
