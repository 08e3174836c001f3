// Command-line parsing: options, log path, second argument.
#include <gtest/gtest.h>

#include <string>

#include "app/command_line.h"

namespace {
struct Case {
  const char* text;
  int automatic, silent, rollback, finishPage, secondStage, reboot, inPlace;
  const char* argument;
  int hasSecond;
  const char* second;
};

const Case Cases[] = {
    // text                                     A  S  R  U  z  z1 Z  argument text               2nd  second
    {"", 0, 0, 0, 0, 0, 0, 0, "", 0, ""},
    {"C:\\APP\\INSTALL.LOG", 0, 0, 0, 0, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 0, ""},
    {"/A C:\\APP\\INSTALL.LOG", 1, 0, 0, 0, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 0, ""},
    {"/a C:\\APP\\INSTALL.LOG", 1, 0, 0, 0, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 0, ""},
    {"/s C:\\APP\\INSTALL.LOG", 1, 1, 0, 0, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 0, ""},
    {"/S", 1, 1, 0, 0, 0, 0, 0, "", 0, ""},
    {"/r/u  X.LOG", 0, 0, 1, 1, 0, 0, 0, "X.LOG", 0, ""},
    {"/U C:\\APP\\INSTALL.LOG", 0, 0, 0, 1, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 0, ""},
    // /Auto is /A followed by the argument text "uto".
    {"/Auto", 1, 0, 0, 0, 0, 0, 0, "uto", 0, ""},
    // /X is no option: parsing stops, /X is the log path, the rest the second argument.
    {"/X C:\\APP\\INSTALL.LOG", 0, 0, 0, 0, 0, 0, 0, "/X", 1, "C:\\APP\\INSTALL.LOG"},
    {"/A /X C:\\L.LOG", 1, 0, 0, 0, 0, 0, 0, "/X", 1, "C:\\L.LOG"},
    // Capital /Z sets nothing but marks an in-place run.
    {"/Zfoo", 0, 0, 0, 0, 0, 0, 1, "foo", 0, ""},
    {"/Z /S C:\\L.LOG", 1, 1, 0, 0, 0, 0, 1, "C:\\L.LOG", 0, ""},
    // Small /z is the second stage; its argument text is left whole.
    {"/z1 C:\\PROGRA~1\\APP\\UNINST.EXE C:\\PROGRA~1\\APP\\", 0, 0, 0, 0, 1, 1, 1,
     "C:\\PROGRA~1\\APP\\UNINST.EXE C:\\PROGRA~1\\APP\\", 0, ""},
    {"/z C:\\T\\U.EXE", 0, 0, 0, 0, 1, 0, 1, "C:\\T\\U.EXE", 0, ""},
    {"/z", 0, 0, 0, 0, 1, 0, 1, "", 0, ""},
    {"/z2 X", 0, 0, 0, 0, 1, 0, 1, "2 X", 0, ""},
    // Second argument: one leading and one trailing double quote dropped.
    {"C:\\APP\\INSTALL.LOG My Application", 0, 0, 0, 0, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 1, "My Application"},
    {"C:\\APP\\INSTALL.LOG \"My Application\"", 0, 0, 0, 0, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 1, "My Application"},
    {"C:\\A.LOG \"\"Q\"\"", 0, 0, 0, 0, 0, 0, 0, "C:\\A.LOG", 1, "\"Q\""},
    // A trailing blank gives an empty second argument, which still counts as given.
    {"C:\\APP\\INSTALL.LOG ", 0, 0, 0, 0, 0, 0, 0, "C:\\APP\\INSTALL.LOG", 1, ""},
    // A leading blank means no options at all.
    {" /A C:\\L.LOG", 0, 0, 0, 0, 0, 0, 0, "/A", 1, "C:\\L.LOG"},
    // The log path is never unquoted.
    {"\"C:\\L.LOG\"", 0, 0, 0, 0, 0, 0, 0, "\"C:\\L.LOG\"", 0, ""},
    {"/", 0, 0, 0, 0, 0, 0, 0, "/", 0, ""},
};

TEST(CommandLine, Cases) {
  for (const Case& c : Cases) {
    SCOPED_TRACE(std::string("command line: [") + c.text + "]");
    CommandLine line = ParseCommandLine(c.text);
    EXPECT_EQ(c.automatic, line.AutomaticRun);
    EXPECT_EQ(c.silent, line.SilentRun);
    EXPECT_EQ(c.rollback, line.RollbackRequested);
    EXPECT_EQ(c.finishPage, line.FinishPageStart);
    EXPECT_EQ(c.secondStage, line.SecondStage);
    EXPECT_EQ(c.reboot, line.RebootNeeded);
    EXPECT_EQ(c.inPlace, line.InPlaceRun);
    EXPECT_STREQ(c.argument, line.ArgumentText);
    EXPECT_EQ(c.hasSecond, line.HasSecondArgument);
    EXPECT_STREQ(c.second, line.SecondArgument);
  }
}

TEST(CommandLine, OverLongLineIsCutAt255Characters) {
  std::string path = "C:\\" + std::string(400, 'P');
  std::string text = "/A " + path + " Caption";
  CommandLine line = ParseCommandLine(text.c_str());
  EXPECT_EQ(255u, std::string(line.Text).size());
  EXPECT_EQ(1, line.AutomaticRun);
  EXPECT_EQ(path.substr(0, 252), line.ArgumentText);
  EXPECT_EQ(0, line.HasSecondArgument);  // the caption was cut off with the rest
}
}  // namespace
