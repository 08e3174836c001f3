// MessageText on a real system: the settings file's replacements and the string table.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "app/message_text.h"
#include "app/run_state.h"
#include "log/bounded_text.h"

namespace {
TEST(MessageTextWin32, TakesReplacementsFromTheSettingsFileElseTheStringTable) {
  char temp[MAX_PATH];
  GetTempPathA(sizeof temp, temp);
  std::string settings = std::string(temp) + "ZORLMSG.INI";
  CopyText(::Run.SettingsPath, settings.c_str());
  DeleteFileA(settings.c_str());

  char text[1024];
  EXPECT_EQ(1u, MessageText(68, text, sizeof text));  // no settings file at all
  EXPECT_STREQ("This uninstall must reboot your computer to replace/delete files that were in-use. "
               "Press the OK button to reboot your computer.", text);

  WritePrivateProfileStringA("Language", "Msg25", "Deinstallation", settings.c_str());
  WritePrivateProfileStringA("Language", "Msg45", "First line|Second~line", settings.c_str());
  WritePrivateProfileStringA("Language", "Msg46", "", settings.c_str());
  WritePrivateProfileStringA("Settings", "Msg2", "elsewhere", settings.c_str());
  const struct {
    unsigned number;
    unsigned count;
    const char* text;
  } cases[] = {
      {25, 14, "Deinstallation"},
      {45, 22, "First line\r\nSecond line"},
      {46, 0, ""},                  // an empty value replaces the message
      {2, 1, "Zorl Uninstall"},     // only the section "Language" counts
      {68, 1, "This uninstall must reboot your computer to replace/delete files that were in-use. "
              "Press the OK button to reboot your computer."},
      {29, 1, "Removing File:\r\n"},
      {70, 1, ""},                  // not assigned
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.count, MessageText(c.number, text, sizeof text)) << c.number;
    EXPECT_STREQ(c.text, text) << c.number;
  }
  // A buffer smaller than the text: cut, terminated, never overrun.
  char small[8 + 4];
  std::memset(small, '#', sizeof small);
  MessageText(68, small, 8);
  EXPECT_STREQ("This un", small);
  EXPECT_EQ('#', small[8]);
  DeleteFileA(settings.c_str());
}
}  // namespace
