// The line syntax of manifests and expectation files, %NAME% tokens and line patterns.
#include <gtest/gtest.h>

#include "tools/common/directive.h"
#include "tools/common/expand.h"
#include "tools/common/glob.h"

TEST(Directive, SplitsKeywordFieldsOptionsAndFlags) {
  Directive d;
  ASSERT_TRUE(ParseDirectiveLine("  COPY C:\\App\\A.EXE |size=10| shared | backup=C:\\B\\A.EXE \r", d));
  EXPECT_EQ("copy", d.Keyword);
  ASSERT_EQ(4u, d.Fields.size());
  EXPECT_EQ("C:\\App\\A.EXE", d.Fields[0]);
  EXPECT_EQ("10", d.OptionOr("size", ""));
  EXPECT_EQ("C:\\B\\A.EXE", d.OptionOr("backup", ""));
  EXPECT_EQ("none", d.OptionOr("seed", "none"));
  EXPECT_TRUE(d.HasFlag("SHARED"));
  EXPECT_FALSE(d.HasFlag("nocount"));
  EXPECT_EQ(0, d.Family);
}

TEST(Directive, EmptyFieldsEscapesFamiliesAndSkippedLines) {
  struct {
    const char* Line;
    bool IsDirective;
    int Family;
    std::vector<std::string> Fields;
  } cases[] = {
      {"reg HKCR | .zdm | | sz | x", true, 0, {"HKCR", ".zdm", "", "sz", "x"}},
      {"line A \\| B", true, 0, {"A | B"}},
      {"dir C:\\A\\\\| x", true, 0, {"C:\\A\\", "x"}},
      {"admin", true, 0, {}},
      {"nt: service S | C:\\S.EXE", true, 1, {"S", "C:\\S.EXE"}},
      {"95: admin", true, 2, {}},
      {"   # a comment | x", false, 0, {}},
      {"", false, 0, {}},
      {"nt:", false, 0, {}},
  };
  for (const auto& c : cases) {
    Directive d;
    ASSERT_EQ(c.IsDirective, ParseDirectiveLine(c.Line, d)) << c.Line;
    if (!c.IsDirective) continue;
    EXPECT_EQ(c.Family, d.Family) << c.Line;
    EXPECT_EQ(c.Fields, d.Fields) << c.Line;
  }
  std::vector<Directive> all = ParseDirectives("# x\r\nlog C:\\A\\INSTALL.LOG\r\n\r\nadmin\n");
  ASSERT_EQ(2u, all.size());
  EXPECT_EQ(2, all[0].Line);
  EXPECT_EQ(4, all[1].Line);
}

TEST(Expand, TokensPercentSignsAndUnknownNames) {
  TokenLookup lookup = [](const std::string& name, std::string& value) {
    if (name != "SYSDIR") return false;
    value = "C:\\WINDOWS\\SYSTEM";
    return true;
  };
  std::string out, missing;
  ASSERT_TRUE(ExpandTokens("%SYSDIR%\\A.DLL", lookup, out, missing));
  EXPECT_EQ("C:\\WINDOWS\\SYSTEM\\A.DLL", out);
  ASSERT_TRUE(ExpandTokens("%%ProgramFiles%%\\x 50%", lookup, out, missing));
  EXPECT_EQ("%ProgramFiles%\\x 50%", out);
  EXPECT_FALSE(ExpandTokens("%NOPE%\\A", lookup, out, missing));
  EXPECT_EQ("NOPE", missing);
}

TEST(Glob, BracedWildcardsOnly) {
  struct {
    const char* Pattern;
    const char* Text;
    bool Match;
  } cases[] = {
      {"*** x", "*** x", true},
      {"*** x", "***  x", false},
      {"Source: {*} | {?}{?}-{*}", "Source: C:\\S.EXE | 01-02", true},
      {"Source: {*} | {?}{?}-{*}", "Source: C:\\S.EXE | 1-02", false},
      {"{*}", "", true},
      {"a{*}b{*}c", "aXbYbc", true},
      {"C:\\A", "c:\\a", false},
      {"ab", "abc", false},
  };
  for (const auto& c : cases) EXPECT_EQ(c.Match, GlobMatch(c.Pattern, c.Text)) << c.Pattern << " ~ " << c.Text;
}
