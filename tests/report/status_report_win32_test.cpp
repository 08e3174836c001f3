// The status report written on the system: the file in the Windows directory, the
// settings file's template, and the installation-status library when it is present.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdlib>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_state.h"
#include "log/bounded_text.h"
#include "report/status_report.h"
#include "report/status_report_win32.h"

namespace {
std::string WindowsPath(const char* name) {
  char directory[MAX_PATH];
  GetWindowsDirectoryA(directory, sizeof directory);
  return std::string(directory) + "\\" + name;
}

std::string SystemPath(const char* name) {
  char directory[MAX_PATH];
  GetSystemDirectoryA(directory, sizeof directory);
  return std::string(directory) + "\\" + name;
}

bool ReadFile(const std::string& path, std::string* content) {
  std::ifstream file(path, std::ios::binary);
  if (!file) return false;
  std::stringstream text;
  text << file.rdbuf();
  *content = text.str();
  return true;
}

std::string ReplaceAll(std::string text, const std::string& from, const std::string& to) {
  for (size_t at = 0; (at = text.find(from, at)) != std::string::npos; at += to.size()) text.replace(at, from.size(), to);
  return text;
}

const size_t GuardSize = 64;

class StatusReportWin32 : public ::testing::Test {
 protected:
  std::vector<char> scratch;
  std::string report = WindowsPath("TEST.MIF");

  void SetUp() override {
    ::Run = RunState();
    Log = InstallData();
    scratch.assign(ScratchTextSize + GuardSize, '#');
    ScratchText = scratch.data();
    char directory[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    CopyText(::Run.SettingsPath, (std::string(directory) + "report-test.ini").c_str());
    DeleteFileA(::Run.SettingsPath);
    DeleteFileA(report.c_str());
    CopyText(Log.MifFileName, "TEST.MIF");
    CopyText(Log.MifManufacturer, "Acme");
    CopyText(Log.MifProduct, "Editor %1%");
    CopyText(Log.MifVersion, "2.0");
    CopyText(Log.MifSerialNumber, "123");
  }
  void TearDown() override {
    for (size_t i = ScratchTextSize; i < scratch.size(); ++i) ASSERT_EQ('#', scratch[i]) << "written past the working text";
  }
  void SetTemplate(const std::string& value) {
    WritePrivateProfileStringA("Language", "Msg1000", value.c_str(), ::Run.SettingsPath);
  }
};

// The built-in template with the values in place; the date line is checked for its form.
TEST_F(StatusReportWin32, FileHoldsTheBuiltInTemplateWithTheRunsValues) {
  struct Case {
    int rollback, cancelled;
    const char *operation, *status, *description;
  } cases[] = {{0, 0, "Uninstall", "Success", ""}, {1, 0, "Rollback", "Success", ""}, {0, 1, "Uninstall", "Failed", "Canceled by user"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.operation) + " " + c.status);
    ::Run.RollbackRequested = c.rollback;
    ::Run.CancelRequested = c.cancelled;
    WriteStatusReport();
    std::string text;
    ASSERT_TRUE(ReadFile(report, &text)) << report;
    std::string expected = BuiltInStatusTemplate;
    for (auto [placeholder, value] : std::vector<std::pair<std::string, std::string>>{
             {"%1%", "Acme"}, {"%2%", "Editor %1%"}, {"%3%", "2.0"}, {"%4%", "123"}, {"%5%", c.operation},
             {"%7%", c.status}, {"%8%", c.description}})
      expected = ReplaceAll(expected, placeholder, value);
    size_t date = expected.find("%6%");
    ASSERT_NE(std::string::npos, date);
    ASSERT_GT(text.size(), date);
    std::string dateText = text.substr(date, text.find('"', date) - date);
    // mm/dd/yy h:mm
    ASSERT_GE(dateText.size(), 12u) << dateText;
    EXPECT_TRUE(dateText[2] == '/' && dateText[5] == '/' && dateText[8] == ' ' &&
                dateText[dateText.size() - 3] == ':')
        << dateText;
    EXPECT_EQ(expected, ReplaceAll(text, dateText, "%6%"));
  }
}

TEST_F(StatusReportWin32, NoReportNameMeansNoFile) {
  Log.MifFileName[0] = '\0';
  WriteStatusReport();
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(report.c_str()));
}

TEST_F(StatusReportWin32, SettingsFileTemplateWithLineBreakMarks) {
  SetTemplate("START COMPONENT^END COMPONENT");
  WriteStatusReport();
  std::string text;
  ASSERT_TRUE(ReadFile(report, &text));
  EXPECT_EQ("START COMPONENT\r\nEND COMPONENT", text);

  SetTemplate("A|B~C %2%");  // only "^" is a mark here
  WriteStatusReport();
  ASSERT_TRUE(ReadFile(report, &text));
  EXPECT_EQ("A|B~C Editor %1%", text);
}

TEST_F(StatusReportWin32, OverLongTemplateIsCutNotOverflowed) {
  std::string big(19990, 'x');
  SetTemplate(big + "%2%%2%");
  WriteStatusReport();
  std::string text;
  ASSERT_TRUE(ReadFile(report, &text));
  EXPECT_GT(text.size(), 16000u);
  EXPECT_LT(text.size(), ScratchTextSize);
  EXPECT_EQ(std::string::npos, text.find_first_not_of('x'));
}

// The test stand-in library, placed in the System directory where the program loads it.
class StatusLibrary : public StatusReportWin32 {
 protected:
  std::string calls = SystemPath("ismif32-calls.txt");
  std::string answer = SystemPath("ismif32-answer.txt");
  void SetUp() override {
    StatusReportWin32::SetUp();
    const char* built = std::getenv("ISMIF32_PATH");
    ASSERT_NE(nullptr, built) << "ISMIF32_PATH names the built library";
    ASSERT_TRUE(CopyFileA(built, SystemPath("ismif32.dll").c_str(), FALSE)) << built;
    DeleteFileA(calls.c_str());
  }
  void TearDown() override {
    DeleteFileA(SystemPath("ismif32.dll").c_str());
    DeleteFileA(answer.c_str());
    StatusReportWin32::TearDown();
  }
  void Answer(int value) { std::ofstream(answer) << value; }
};

TEST_F(StatusLibrary, ReceivesEightArgumentsAndANonZeroAnswerMeansNoFile) {
  Answer(1);
  WriteStatusReport();
  std::string text;
  ASSERT_TRUE(ReadFile(calls, &text));
  EXPECT_EQ("TEST.MIF\nAcme\nEditor %1%\n2.0\nENU\n123\nUninstall successful\n1\n", text);
  EXPECT_EQ(INVALID_FILE_ATTRIBUTES, GetFileAttributesA(report.c_str()));
}

TEST_F(StatusLibrary, ZeroAnswerMeansTheFileIsWrittenAsWell) {
  Answer(0);
  ::Run.CancelRequested = 1;
  WriteStatusReport();
  std::string text;
  ASSERT_TRUE(ReadFile(calls, &text));
  EXPECT_EQ("TEST.MIF\nAcme\nEditor %1%\n2.0\nENU\n123\nUninstall canceled by user\n0\n", text);
  ASSERT_TRUE(ReadFile(report, &text));
  EXPECT_NE(std::string::npos, text.find("VALUE = \"Failed\""));
}
}  // namespace
