// The "|" and "~" marks of replacement texts.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/message_marks.h"

namespace {
TEST(MessageMarks, Cases) {
  struct Case {
    const char* value;
    const char* expected;
  } cases[] = {
      {"Deinstallation", "Deinstallation"},
      {"First line|Second line", "First line\r\nSecond line"},
      {"a||b", "a\r\n\r\nb"},
      {"|", "\r\n"},
      {"~~Indented", "  Indented"},
      {"One|~Two~", "One\r\n Two "},
      {"", ""},
  };
  for (const Case& c : cases) {
    char buffer[64];
    std::strcpy(buffer, c.value);
    ExpandMessageMarks(buffer, sizeof buffer);
    EXPECT_EQ(std::string(c.expected), buffer) << "value: " << c.value;
  }
}

TEST(MessageMarks, ExpansionIsCutAtTheBufferEnd) {
  struct Guarded {
    char text[8];
    char guard[8];
  } g;
  std::memset(&g, '#', sizeof g);
  std::strcpy(g.text, "ab|cd|e");  // would grow to 9 characters
  ExpandMessageMarks(g.text, sizeof g.text);
  EXPECT_STREQ("ab\r\ncd", g.text);  // a mark with no room for both characters ends the text
  EXPECT_EQ(0, std::memcmp(g.guard, "########", 8));

  std::strcpy(g.text, "abcdef|");  // the mark in the last place: no room for CR LF
  ExpandMessageMarks(g.text, sizeof g.text);
  EXPECT_STREQ("abcdef", g.text);
  EXPECT_EQ(0, std::memcmp(g.guard, "########", 8));
}

TEST(MessageMarks, OtherMarksForTheStatusReport) {
  char buffer[64] = "START COMPONENT^END COMPONENT";
  ExpandLineBreakMark(buffer, sizeof buffer, '^');
  EXPECT_STREQ("START COMPONENT\r\nEND COMPONENT", buffer);
}
}  // namespace
