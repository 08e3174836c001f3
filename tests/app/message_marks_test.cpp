// The marks of replacement texts: "|" a line break, "~" a blank, cut at the buffer's end.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/message_marks.h"

namespace {
TEST(MessageMarks, ExpandLineBreaksAndBlanksWithinTheBuffer) {
  const struct {
    const char* text;
    size_t size;
    const char* expected;
  } cases[] = {
      {"First line|Second line", 64, "First line\r\nSecond line"},
      {"a|b|c", 64, "a\r\nb\r\nc"},
      {"||", 64, "\r\n\r\n"},
      {"~~Indented", 64, "  Indented"},
      {"~|~", 64, " \r\n "},
      {"Deinstallation", 64, "Deinstallation"},
      {"abc|def", 8, "abc\r\nde"},   // the tail is cut to fit
      {"abcde|f", 8, "abcde\r\n"},
      {"abcdef|g", 8, "abcdef"},     // no room for both characters: the text ends there
      {"abcd|ef", 8, "abcd\r\ne"},
      {"|", 2, ""},
      {"", 1, ""},
  };
  for (const auto& c : cases) {
    char buffer[80];
    std::memset(buffer, '#', sizeof buffer);
    std::strcpy(buffer, c.text);
    ExpandMessageMarks(buffer, c.size);
    EXPECT_STREQ(c.expected, buffer) << c.text << " in " << c.size;
    EXPECT_EQ('#', buffer[c.size < std::strlen(c.text) + 1 ? std::strlen(c.text) + 1 : c.size]) << c.text;
  }
}
}  // namespace
