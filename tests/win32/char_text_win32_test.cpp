// The character-set services answered by the system.
#include <gtest/gtest.h>

#include "app/char_text.h"

TEST(CharTextWin32, ComparesWithoutCaseAndFindsCharacters) {
  EXPECT_EQ(0, CompareNoCase("C:\\App\\X.EXE", "c:\\APP\\x.exe"));
  EXPECT_LT(CompareNoCase("A", "B"), 0);
  EXPECT_EQ(0, CompareNoCaseN("Made Dir: x", "MADE DIR: y", 10));
  EXPECT_NE(0, CompareNoCaseN("Made Dir: x", "MADE DIR: y", 11));
  EXPECT_TRUE(StartsWithNoCase("file copy: C:\\A", "File Copy: "));
  const char text[] = "C:\\A | 1";
  EXPECT_EQ(text + 5, FindChar(text, '|'));
  EXPECT_EQ(nullptr, FindChar(text, '#'));
}
