// The line reader, the file-name part and the short/long path walk.
#include <gtest/gtest.h>

#include <map>
#include <string>
#include <vector>

#include "log/path_helpers.h"
#include "tests/support/stand_in_reader_system.h"

namespace {
struct Line {
  int result;
  std::string text;
};

// Reads every line of bytes until the reader reports the end.
std::vector<Line> ReadAll(const std::string& bytes, size_t size, bool keepEmpty, size_t chunk = LineBlockSize) {
  MemoryByteSource source(bytes, chunk);
  std::vector<char> block(LineBlockSize);
  LineReaderState state = {};
  state.Source = &source;
  state.Block = block.data();
  std::vector<char> buffer(size);
  std::vector<Line> lines;
  for (;;) {
    int result = ReadTextLine(buffer.data(), size, state, keepEmpty);
    lines.push_back({result, buffer.data()});
    if (result == 0) return lines;
  }
}

struct LineCase {
  const char* name;
  std::string bytes;
  bool keepEmpty;
  std::vector<Line> expected;
};

TEST(ReadTextLine, EndsLinesAtCarriageReturnsAndDropsLineFeeds) {
  const LineCase cases[] = {
      {"CR LF", "one\r\ntwo\r\n", false, {{1, "one"}, {1, "two"}, {0, ""}}},
      {"LF CR", "one\n\rtwo\n\r", false, {{1, "one"}, {1, "two"}, {0, ""}}},
      {"CR alone", "one\rtwo\r", false, {{1, "one"}, {1, "two"}, {0, ""}}},
      {"LF alone is one long line", "one\ntwo\n", false, {{0, "onetwo"}}},
      {"last line without CR", "one\r\ntwo", false, {{1, "one"}, {0, "two"}}},
      {"empty lines skipped", "\r\n\r\none\r\r\rtwo\r", false, {{1, "one"}, {1, "two"}, {0, ""}}},
      {"empty lines kept", "one\r\r\n", true, {{1, "one"}, {1, ""}, {0, ""}}},
      {"empty file", "", false, {{0, ""}}},
  };
  for (const LineCase& c : cases) {
    for (size_t chunk : {LineBlockSize, size_t(1), size_t(3)}) {
      std::vector<Line> lines = ReadAll(c.bytes, 2048, c.keepEmpty, chunk);
      ASSERT_EQ(c.expected.size(), lines.size()) << c.name << ", chunk " << chunk;
      for (size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(c.expected[i].result, lines[i].result) << c.name << " line " << i;
        EXPECT_EQ(c.expected[i].text, lines[i].text) << c.name << " line " << i;
      }
    }
  }
}

TEST(ReadTextLine, KeepsTheFirst2047CharactersOfALongLineAcrossBlocks) {
  std::string longLine(40000, 'x');
  longLine[0] = 'a';
  std::vector<Line> lines = ReadAll(longLine + "\r\nnext\r\n", 2048, false);
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ(2047u, lines[0].text.size());
  EXPECT_EQ('a', lines[0].text[0]);
  EXPECT_EQ("next", lines[1].text);
}

TEST(ReadTextLine, RecordsWhereEachLineStartsInTheFile) {
  std::string bytes = "ab\r\n\r\ncd\n\r" + std::string(20000, 'e') + "\rfg";
  MemoryByteSource source(bytes);
  std::vector<char> block(LineBlockSize);
  LineReaderState state = {};
  state.Source = &source;
  state.Block = block.data();
  char buffer[64];
  std::vector<uint64_t> starts;
  while (ReadTextLine(buffer, sizeof buffer, state, false) == 1) starts.push_back(state.LineStart);
  starts.push_back(state.LineStart);
  EXPECT_EQ((std::vector<uint64_t>{0, 6, 10, 20011}), starts);
  EXPECT_EQ(bytes.size(), state.Consumed + state.Position);
}

TEST(FileNamePart, IsTheTextAfterTheLastBackslash) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\APP\\APP.EXE", "APP.EXE"}, {"C:\\APP\\", ""}, {"APP.EXE", "APP.EXE"}, {"\\X", "X"}, {"", ""}};
  for (const auto& c : cases) EXPECT_STREQ(c.second, FileNamePart(c.first)) << c.first;
}

// A file system of a few entries, each known by its full long path with its short name.
class StandInLookup : public PathLookup {
 public:
  std::string Current = "C:\\WORK";
  std::map<std::string, std::pair<std::string, std::string>> Entries;  // upper-cased path -> long, short
  std::vector<std::string> Asked;
  size_t CurrentDirectory(char* buffer, size_t size) override { return CopyText(buffer, size, Current.c_str()); }
  bool FindEntry(const char* path, char* longName, size_t longSize, char* shortName, size_t shortSize) override {
    Asked.push_back(path);
    auto found = Entries.find(StandInReaderSystem::Upper(path));
    if (found == Entries.end()) return false;
    CopyText(longName, longSize, found->second.first.c_str());
    CopyText(shortName, shortSize, found->second.second.c_str());
    return true;
  }
};

TEST(NormalizePath, WalksEachComponentAfterTheRoot) {
  StandInLookup lookup;
  lookup.Entries = {
      {"C:\\PROGRAM FILES", {"Program Files", "PROGRA~1"}},
      {"C:\\PROGRA~1", {"Program Files", "PROGRA~1"}},
      {"C:\\PROGRAM FILES\\ZORL APP", {"Zorl App", "ZORLAP~1"}},
      {"C:\\PROGRA~1\\ZORLAP~1", {"Zorl App", "ZORLAP~1"}},
      {"C:\\PROGRA~1\\ZORL APP", {"Zorl App", "ZORLAP~1"}},
      {"C:\\PROGRAM FILES\\ZORLAP~1", {"Zorl App", "ZORLAP~1"}},
      {"C:\\PROGRA~1\\MISSING\\ZORLAP~1", {"Never", "NEVER"}},
      {"C:\\WORK\\README.TXT", {"readme.txt", ""}},
      {"\\\\SRV\\SHARE\\LONG NAME", {"Long Name", "LONGNA~1"}},
  };
  struct Case {
    const char* path;
    int mode;
    const char* expected;
  } cases[] = {
      {"C:\\Program Files\\Zorl App\\App.exe", ShortNameForm, "C:\\PROGRA~1\\ZORLAP~1\\App.exe"},
      {"c:\\PROGRA~1\\ZORLAP~1\\", LongNameForm, "C:\\Program Files\\Zorl App\\"},
      // Mode 1 leaves a path without "~" alone, even relative or with a small drive letter.
      {"c:\\program files", LongNameForm, "c:\\program files"},
      {"README.TXT", LongNameForm, "README.TXT"},
      // A bare name is taken in the current directory; no short name: the long one.
      {"README.TXT", ShortNameForm, "C:\\WORK\\readme.txt"},
      // A missing component stays and the walk goes on past it.
      {"C:\\PROGRA~1\\MISSING\\ZORLAP~1", ShortNameForm, "C:\\PROGRA~1\\MISSING\\NEVER"},
      {"\\\\SRV\\SHARE\\LONG NAME\\X", ShortNameForm, "\\\\SRV\\SHARE\\LONGNA~1\\X"},
      // Wildcards are never looked up.
      {"C:\\Program Files\\*", ShortNameForm, "C:\\PROGRA~1\\*"},
  };
  for (const Case& c : cases) {
    char path[PathBufferSize];
    CopyText(path, c.path);
    NormalizePathWith(path, sizeof path, c.mode, lookup);
    EXPECT_STREQ(c.expected, path) << c.path;
  }
  for (const std::string& asked : lookup.Asked) EXPECT_EQ(std::string::npos, asked.find('*')) << asked;
}

TEST(NormalizePath, KeepsAComponentWhoseOtherFormWouldNotFit) {
  StandInLookup lookup;
  std::string longName(250, 'L');
  lookup.Entries = {{"C:\\SHORT~1", {longName, "SHORT~1"}}};
  char path[PathBufferSize];
  CopyText(path, "C:\\SHORT~1\\0123456789");
  NormalizePathWith(path, sizeof path, LongNameForm, lookup);
  EXPECT_STREQ("C:\\SHORT~1\\0123456789", path);
  CopyText(path, "C:\\SHORT~1");
  NormalizePathWith(path, sizeof path, LongNameForm, lookup);
  EXPECT_EQ("C:\\" + longName, std::string(path));
}
}  // namespace
