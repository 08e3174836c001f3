// The background window against the real window system: settings, visibility, caption,
// the timed wait and the end of the message loop.
#include <gtest/gtest.h>
#include <windows.h>

#include <cstdio>
#include <string>

#include "app/background_window_win32.h"
#include "app/pump_messages_win32.h"
#include "app/run_state.h"
#include "app/settings.h"
#include "app/windows_state_win32.h"
#include "log/bounded_text.h"

namespace {
class BackgroundWindowTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ::Run = RunState();
    Instance = GetModuleHandleA(nullptr);
    char directory[MAX_PATH];
    GetTempPathA(sizeof directory, directory);
    std::snprintf(::Run.SettingsPath, sizeof ::Run.SettingsPath, "%sbgtest.ini", directory);
    DeleteFileA(::Run.SettingsPath);
  }
  void TearDown() override {
    if (BackgroundWindow != nullptr) DestroyWindow(BackgroundWindow);
    BackgroundWindow = nullptr;
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
    }
    DeleteFileA(::Run.SettingsPath);
  }
  void WriteSetting(const char* key, const char* value) {
    WritePrivateProfileStringA("Settings", key, value, ::Run.SettingsPath);
  }
  static bool registered;
  bool Create(const char* caption) {
    bool created = CreateBackgroundWindow(!registered, caption);
    registered = true;
    return created;
  }
};
bool BackgroundWindowTest::registered = false;

TEST_F(BackgroundWindowTest, MissingSettingsFileGivesTheDefaults) {
  ReadSettings();
  EXPECT_EQ(0, RunSettings.Gradient.Start[0]);
  EXPECT_EQ(255, RunSettings.Gradient.Start[2]);
  EXPECT_EQ(-255, RunSettings.Gradient.Delta[2]);
  EXPECT_EQ(1, RunSettings.NoBackground);
  EXPECT_EQ(0, RunSettings.DialogFont.HasFaceName);
  EXPECT_EQ(8, RunSettings.DialogFont.PointSize);
  EXPECT_GT(RunSettings.ScreenWidth, 0);
  EXPECT_GT(RunSettings.ScreenHeight, 0);
}

TEST_F(BackgroundWindowTest, SettingsAreReadFromTheSettingsFile) {
  WriteSetting("Start Red", "300");
  WriteSetting("End Green", "40");
  WriteSetting("No Background", "0");
  WriteSetting("Text Font", "Arial");
  WriteSetting("Font Character Set", "257");  // kept as 8 bits
  WriteSetting("Font Character Size", "10");
  ReadSettings();
  EXPECT_EQ(300, RunSettings.Gradient.Start[0]);
  EXPECT_EQ(-300, RunSettings.Gradient.Delta[0]);
  EXPECT_EQ(40, RunSettings.Gradient.Delta[1]);
  EXPECT_EQ(0, RunSettings.NoBackground);
  EXPECT_EQ(1, RunSettings.DialogFont.HasFaceName);
  EXPECT_STREQ("Arial", RunSettings.DialogFont.FaceName);
  EXPECT_EQ(1, RunSettings.DialogFont.CharSet);
  EXPECT_EQ(10, RunSettings.DialogFont.PointSize);
}

TEST_F(BackgroundWindowTest, VisibleOnlyWhenAskedAndNeitherSilentNorSecondStage) {
  struct Case {
    const char* noBackground;
    int silent, secondStage;
    bool visible;
  } cases[] = {{"1", 0, 0, false}, {"0", 0, 0, true}, {"0", 1, 0, false}, {"0", 0, 1, false}, {"7", 0, 0, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string("No Background=") + c.noBackground + " silent=" + std::to_string(c.silent) +
                 " second stage=" + std::to_string(c.secondStage));
    WriteSetting("No Background", c.noBackground);
    ReadSettings();
    ::Run.SilentRun = c.silent;
    ::Run.SecondStage = c.secondStage;
    ASSERT_TRUE(Create(nullptr));
    char className[64] = "";
    GetClassNameA(BackgroundWindow, className, sizeof className);
    EXPECT_STREQ("KPMZUninstall", className);
    EXPECT_EQ(c.visible, IsWindowVisible(BackgroundWindow) != 0);
    EXPECT_EQ(c.visible, IsZoomed(BackgroundWindow) != 0);
    DestroyWindow(BackgroundWindow);
    BackgroundWindow = nullptr;
  }
}

TEST_F(BackgroundWindowTest, CaptionIsTheSecondArgument) {
  ReadSettings();
  char caption[64];
  ASSERT_TRUE(Create("My Application"));
  GetWindowTextA(BackgroundWindow, caption, sizeof caption);
  EXPECT_STREQ("My Application", caption);
  DestroyWindow(BackgroundWindow);
  ASSERT_TRUE(Create(nullptr));
  GetWindowTextA(BackgroundWindow, caption, sizeof caption);
  EXPECT_STREQ(" ", caption);
  DestroyWindow(BackgroundWindow);
  ASSERT_TRUE(Create(""));  // an empty second argument empties the caption
  GetWindowTextA(BackgroundWindow, caption, sizeof caption);
  EXPECT_STREQ("", caption);
}

TEST_F(BackgroundWindowTest, TimedWaitEndsAtAnyTimerTick) {
  ReadSettings();
  ASSERT_TRUE(Create(nullptr));
  DWORD start = GetTickCount();
  PumpMessages(50);
  EXPECT_EQ(0, ::Run.WaitFlag);
  EXPECT_GE(GetTickCount() - start, 40u);

  // A tick of another timer on the window clears the flag too.
  ::Run.WaitFlag = 1;
  SetTimer(BackgroundWindow, 1, 10, nullptr);
  MSG message;
  while (::Run.WaitFlag && GetMessageA(&message, nullptr, 0, 0) > 0) DispatchMessageA(&message);
  KillTimer(BackgroundWindow, 1);
  EXPECT_EQ(0, ::Run.WaitFlag);
}

TEST_F(BackgroundWindowTest, DestroyingTheWindowEndsTheMessageLoop) {
  ReadSettings();
  ASSERT_TRUE(Create(nullptr));
  EXPECT_EQ(1, SendMessageA(BackgroundWindow, WM_ERASEBKGND, 0, 0));
  DestroyWindow(BackgroundWindow);
  BackgroundWindow = nullptr;
  MSG message;
  int result = -2;
  for (int i = 0; i < 100 && (result = GetMessageA(&message, nullptr, 0, 0)) > 0; ++i) DispatchMessageA(&message);
  EXPECT_EQ(0, result);  // WM_QUIT
  EXPECT_EQ(0u, message.wParam);
}
}  // namespace
