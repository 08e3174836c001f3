// The log reader on a real system: files, directories, short names, the registry and the
// code pages of a Wine prefix, read in-process and through unzorl-inspect.exe.
#include <windows.h>

#include <gtest/gtest.h>

#include <cstdio>
#include <cstring>
#include <string>
#include <vector>

#include "log/bounded_text.h"
#include "log/reader_system_win32.h"

namespace {
std::string WindowsDir() {
  char dir[MAX_PATH];
  GetWindowsDirectoryA(dir, sizeof dir);
  return dir;
}
std::string SystemDir() {
  char dir[MAX_PATH];
  GetSystemDirectoryA(dir, sizeof dir);
  return dir;
}
std::string ShortPath(const std::string& path) {
  char shortPath[MAX_PATH];
  DWORD n = GetShortPathNameA(path.c_str(), shortPath, sizeof shortPath);
  return n > 0 && n < sizeof shortPath ? shortPath : path;
}
void WriteBytes(const std::string& path, const std::string& bytes) {
  HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  ASSERT_NE(INVALID_HANDLE_VALUE, file) << path << ": error " << GetLastError();
  DWORD written = 0;
  WriteFile(file, bytes.data(), static_cast<DWORD>(bytes.size()), &written, nullptr);
  CloseHandle(file);
}
void MakeDirs(const std::string& path) {
  for (size_t at = path.find('\\', 3); at != std::string::npos; at = path.find('\\', at + 1))
    CreateDirectoryA(path.substr(0, at).c_str(), nullptr);
  CreateDirectoryA(path.c_str(), nullptr);
}
std::string Lower(std::string text) {
  CharLowerBuffA(&text[0], static_cast<DWORD>(text.size()));
  return text;
}
std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// The reader on the real system, its messages recorded instead of shown.
class RecordingSystem : public Win32ReaderSystem {
 public:
  RecordingSystem() : Win32ReaderSystem(nullptr) {}
  std::vector<unsigned> Messages;
  void ShowMessage(unsigned text, unsigned caption) override { Messages.push_back(text); }
  void SetTitleCaption(const char*) override {}
};

struct Read {
  RecordingSystem system;
  Arena arena;
  InstallData data;
  char removalRoot[RemovalRootSize] = "";
  int result = -1;

  // Writes the log to logPath and reads it as the uninstaller would on this system.
  Read(const std::string& logPath, const std::string& bytes) {
    WriteBytes(logPath, bytes);
    OSVERSIONINFOA version = {};
    version.dwOSVersionInfoSize = sizeof version;
    GetVersionExA(&version);
    ReaderSettings settings = {version.dwPlatformId == VER_PLATFORM_WIN32_NT ? 1 : 2, 1, 1};
    AllocateInstallData(arena, data);
    result = ReadLog(logPath.c_str(), removalRoot, settings, system, data, arena);
  }
  std::vector<std::string> Paths(const ItemList<FileItem>& list) const { return Collect(list); }
  template <class T> static std::vector<std::string> Collect(const ItemList<T>& list) {
    std::vector<std::string> paths;
    for (T* item : list) paths.push_back(item->Path);
    return paths;
  }
};

const std::string Base = "C:\\ZORLTEST";

TEST(LogReaderWin32, RefusesUnreadableAndInvalidLogs) {
  MakeDirs(Base + "\\BAD");
  const struct {
    const char* name;
    std::string bytes;
  } cases[] = {
      {"empty file", ""},
      {"no title", "***  Log\r\nFile Copy: C:\\A\r\n"},
      {"title in small letters", "***  Log\r\ntitle: Zorl\r\n"},
      {"LF line ends only", "***  Log\nTitle: Zorl\n"},
  };
  for (const auto& c : cases) {
    Read read(Base + "\\BAD\\INSTALL.LOG", c.bytes);
    EXPECT_EQ(1, read.result) << c.name;
    EXPECT_EQ(std::vector<unsigned>{4}, read.system.Messages) << c.name;
  }
  RecordingSystem system;
  Arena arena;
  InstallData data;
  AllocateInstallData(arena, data);
  char root[RemovalRootSize];
  ReaderSettings settings = {1, 1, 1};
  EXPECT_EQ(1, ReadLog("C:\\ZORLTEST\\NOWHERE\\INSTALL.LOG", root, settings, system, data, arena));
  EXPECT_EQ(std::vector<unsigned>{3}, system.Messages);
}

TEST(LogReaderWin32, ClassifiesRealFilesByDirectoryAndState) {
  std::string app = Base + "\\APP";
  MakeDirs(app + "\\SUB");
  for (const char* name : {"\\A.EXE", "\\SUB\\B.DLL", "\\O.DLL", "\\C.DLL", "\\K.DLL"}) WriteBytes(app + name, "x");
  std::string sys = SystemDir();
  MakeDirs(sys + "\\ZORLSUB");
  for (const char* name : {"\\ZORLS.DLL", "\\ZORLN.DLL", "\\ZORLSUB\\ZORLP.DLL", "\\ZORL\xc9.DLL"}) WriteBytes(sys + name, "x");
  WriteBytes(WindowsDir() + "\\ZORLW.INI", "x");
  HKEY counters;
  ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(HKEY_LOCAL_MACHINE, "Software\\Microsoft\\Windows\\CurrentVersion\\SharedDLLs",
                                           0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &counters, nullptr));
  DWORD one = 1;
  std::string counted = app + "\\C.DLL";
  RegSetValueExA(counters, counted.c_str(), 0, REG_DWORD, reinterpret_cast<BYTE*>(&one), sizeof one);
  RegCloseKey(counters);

  Read read(app + "\\INSTALL.LOG", Join({
                                       "***  Zorl",
                                       "Title: Zorl",
                                       "File Copy: " + app + "\\A.EXE | 01-01-1999",
                                       "File Copy: " + sys + "\\ZORLS.DLL",
                                       "Non-System File:",
                                       "File Copy: " + sys + "\\ZORLN.DLL",
                                       "File Copy: " + sys + "\\ZORLSUB\\ZORLP.DLL",
                                       "File Copy: " + WindowsDir() + "\\ZORLW.INI",
                                       "File Overwrite: " + app + "\\O.DLL | d",
                                       "File Overwrite: " + app + "\\C.DLL",
                                       "File Overwrite: " + app + "\\K.DLL",
                                       "Backup Copy: " + app + "\\K.BAK",
                                       "File Copy: " + app + "\\MISSING.EXE",
                                       "File Copy: " + sys + "\\ZORLMISS.DLL | d",
                                       "File Copy: " + app + "\\SUB\\B.DLL",
                                       "File Copy: " + sys + "\\ZORL\xc9.DLL",
                                       "***  Zorl again",
                                       "Shared DLL counter ignored:",
                                       "File Copy: " + app + "\\SUB\\B.DLL",
                                       // The same system files, letter case changed, ASCII or not.
                                       "File Copy: " + Lower(sys) + "\\zorls.dll",
                                       "File Copy: " + sys + "\\zorl\xe9.dll",
                                   }));
  ASSERT_EQ(0, read.result);
  EXPECT_EQ((std::vector<std::string>{app + "\\A.EXE", sys + "\\ZORLSUB\\ZORLP.DLL", app + "\\C.DLL", app + "\\K.DLL",
                                      app + "\\SUB\\B.DLL"}),
            read.Paths(read.data.PrivateFiles));
  EXPECT_EQ((std::vector<std::string>{sys + "\\ZORLS.DLL", sys + "\\ZORLN.DLL", WindowsDir() + "\\ZORLW.INI",
                                      sys + "\\ZORL\xc9.DLL"}),
            Read::Collect(read.data.SystemFiles));
  EXPECT_EQ(2, read.data.SystemFiles[0]->CounterUses);
  EXPECT_EQ(2, read.data.SystemFiles[3]->InstallNo);
  EXPECT_EQ(0, read.data.SystemFiles[0]->Removable);
  EXPECT_EQ(1, read.data.SystemFiles[1]->Removable);
  EXPECT_EQ((std::vector<std::string>{app + "\\O.DLL", app + "\\MISSING.EXE", sys + "\\ZORLMISS.DLL"}),
            Read::Collect(read.data.RepairOnlyFiles));
  EXPECT_EQ(1, read.data.PrivateFiles[2]->AutoSelect);  // counted by the system
  EXPECT_EQ(0, read.data.PrivateFiles[3]->AutoSelect);  // has a backup copy
  FileItem* repeated = read.data.PrivateFiles[4];
  EXPECT_EQ(2, repeated->InstallNo);
  EXPECT_EQ(1, repeated->CounterUses);
  EXPECT_EQ(1, repeated->CounterInstallNo);
  EXPECT_EQ(sys, read.data.SystemDirectory);
}

TEST(LogReaderWin32, ConvertsPathsOfOemSectionsOnly) {
  std::string dir = Base + "\\CP";
  MakeDirs(dir);
  const char oemName[] = "\x8e" "X.TXT";  // a letter outside ASCII in the OEM code page
  char ansiName[16];
  OemToCharBuffA(oemName, ansiName, sizeof oemName);
  ASSERT_STRNE(oemName, ansiName) << "this system's OEM and ANSI code pages agree here";
  WriteBytes(dir + "\\" + ansiName, "x");
  std::string line = "File Copy: " + dir + "\\" + oemName + " | d";
  Read oem(dir + "\\OEM.LOG", Join({"*** OEM section", "Title: Zorl", line}));
  ASSERT_EQ(1u, oem.data.PrivateFiles.Count);
  EXPECT_EQ(dir + "\\" + ansiName, oem.data.PrivateFiles[0]->Path);
  Read ansi(dir + "\\ANSI.LOG", Join({"***  ANSI section", "Title: Zorl", line}));
  EXPECT_EQ(0u, ansi.data.PrivateFiles.Count);  // taken byte for byte: no such file
  ASSERT_EQ(1u, ansi.data.RepairOnlyFiles.Count);
  EXPECT_EQ(dir + "\\" + oemName, ansi.data.RepairOnlyFiles[0]->Path);
}

TEST(LogReaderWin32, DirectoriesAndTheRemovalRootFollowTheFileSystem) {
  std::string top = Base + "\\Zorl Long Directory";
  std::string logDir = top + "\\Application Folder";
  MakeDirs(logDir + "\\Child");
  Read read(logDir + "\\INSTALL.LOG", Join({"***  Zorl", "Title: Zorl", "Made Dir: " + logDir + "\\Child",
                                            "***  second", "Made Dir: " + top, "Made Dir: C:\\"}));
  ASSERT_EQ(0, read.result);
  EXPECT_EQ(ShortPath(top) + "\\", read.removalRoot);
  ASSERT_EQ(1u, read.data.CreatedDirs.Count);
  EXPECT_EQ(top + "\\", read.data.CreatedDirs[0]->Path);
  EXPECT_EQ(2, read.data.CreatedDirs[0]->MadeInstallNo);

  // A log whose own directory is given in short form is listed in long form.
  Read shortForm(ShortPath(logDir) + "\\SHORT.LOG", Join({"***  Zorl", "Title: Zorl"}));
  ASSERT_EQ(1u, shortForm.data.CreatedDirs.Count);
  EXPECT_EQ(logDir + "\\", shortForm.data.CreatedDirs[0]->Path);
  EXPECT_EQ(32767, shortForm.data.CreatedDirs[0]->MadeInstallNo);

  // Logs in a drive root or in the Windows directory list no directory of their own.
  for (const std::string& logPath : {std::string("C:\\ZORLROOT.LOG"), WindowsDir() + "\\ZORLWIN.LOG"}) {
    Read here(logPath, Join({"***  Zorl", "Title: Zorl"}));
    EXPECT_EQ(0, here.result) << logPath;
    EXPECT_EQ(0u, here.data.CreatedDirs.Count) << logPath;
    DeleteFileA(logPath.c_str());
  }
}

TEST(LogReaderWin32, SelfRegistrationMatchesShortAndLongNames) {
  std::string dir = Base + "\\Self Registering";
  MakeDirs(dir);
  std::string server = dir + "\\Zorl Server.dll";
  WriteBytes(server, "x");
  Read read(dir + "\\INSTALL.LOG", Join({"***  Zorl", "Title: Zorl", "File Copy: " + ShortPath(server),
                                         "Self-Register: " + server, "Add Device: " + ShortPath(server)}));
  ASSERT_EQ(1u, read.data.PrivateFiles.Count);
  EXPECT_EQ(1, read.data.PrivateFiles[0]->SelfRegInstallNo);
  EXPECT_EQ(1, read.data.PrivateFiles[0]->DeviceInstallNo);
}

TEST(LogReaderWin32, PerUserShortcutsFollowTheShellFolders) {
  std::string profiles = Base + "\\Profiles";
  std::string user = profiles + "\\bob\\Start Menu";
  std::string common = profiles + "\\All Users\\Start Menu";
  MakeDirs(user);
  MakeDirs(common);
  WriteBytes(user + "\\U.LNK", "x");
  WriteBytes(common + "\\C.LNK", "x");
  const struct {
    HKEY root;
    const char* name;
    const std::string& value;
  } folders[] = {{HKEY_CURRENT_USER, "Start Menu", user}, {HKEY_LOCAL_MACHINE, "Common Start Menu", common}};
  for (const auto& f : folders) {
    HKEY key;
    ASSERT_EQ(ERROR_SUCCESS, RegCreateKeyExA(f.root, "Software\\Microsoft\\Windows\\CurrentVersion\\Explorer\\Shell Folders",
                                             0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key, nullptr));
    RegSetValueExA(key, f.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(f.value.c_str()),
                   static_cast<DWORD>(f.value.size() + 1));
    RegCloseKey(key);
  }
  Read read(Base + "\\USER.LOG", Join({"***  Zorl", "Title: Zorl", "Per-User ID: bob", "Shell Link: " + user + "\\U.LNK",
                                       "Shell Link: " + common + "\\C.LNK", "RegDB Key: Software\\Zorl", "RegDB Val: v",
                                       "RegDB Root: 1", "RegDB Key: Software\\Zorl", "RegDB Val: v", "RegDB Root: 2"}));
  ASSERT_EQ(0, read.result);
  bool nt = GetVersion() < 0x80000000u;
  // On the Windows 95 family there is no common folder: every profile's shortcut is left out.
  std::vector<std::string> expected;
  if (nt) expected.push_back(common + "\\C.LNK");
  EXPECT_EQ(expected, read.Paths(read.data.PrivateFiles));
  ASSERT_EQ(1u, read.data.NewRegValues.Count);
  EXPECT_EQ(2, read.data.NewRegValues[0]->Root);
}

TEST(LogReaderWin32, LineEndingsOverLongLinesAndSections) {
  std::string dir = Base + "\\LINES";
  MakeDirs(dir);
  WriteBytes(dir + "\\A.EXE", "x");
  for (const char* end : {"\r\n", "\n\r", "\r"}) {
    std::string longLine = "File Copy: " + dir + "\\A.EXE |" + std::string(3000, 'd');
    Read read(dir + "\\INSTALL.LOG", Join({"***  one", "Title: Zorl", longLine, "INI File: C:\\W.INI", "INI Sect: S",
                                           "INI Item: I", "INI Val: v", "INI Old: first", "***  two", "*** three",
                                           "INI File: c:\\w.ini", "INI Sect: s", "INI Item: i", "INI Val: v"},
                                          end));
    ASSERT_EQ(0, read.result);
    EXPECT_EQ(3, read.data.InstallCount);
    std::string bytes;
    {
      HANDLE file = CreateFileA((dir + "\\INSTALL.LOG").c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
      char buffer[8192];
      DWORD got = 0;
      ReadFile(file, buffer, sizeof buffer, &got, nullptr);
      CloseHandle(file);
      bytes.assign(buffer, got);
    }
    EXPECT_EQ(static_cast<int32_t>(bytes.find("*** three")), read.data.LastSectionOffset);
    ASSERT_EQ(1u, read.data.PrivateFiles.Count);
    EXPECT_EQ(79u, std::strlen(read.data.PrivateFiles[0]->Details));
    ASSERT_EQ(1u, read.data.IniEdits.Count);
    EXPECT_STREQ("first", read.data.IniEdits[0]->OldValue);
    EXPECT_STREQ("", read.data.IniEdits[0]->LatestOldValue);
    EXPECT_EQ(3, read.data.IniEdits[0]->InstallNo);
  }
}

TEST(LogReaderWin32, FloppyDrivesAsTheSystemReportsThem) {
  UINT typeA = GetDriveTypeA("A:\\");
  std::printf("drive A: type %u\n", typeA);
  Read read(Base + "\\FLOPPY.LOG", Join({"***  Zorl", "Title: Zorl", "File Copy: A:\\SETUP.EXE | d"}));
  // Whether or not A: is removable here, a file that is not there is repair-only.
  ASSERT_EQ(1u, read.data.RepairOnlyFiles.Count);
  EXPECT_EQ(0u, read.data.PrivateFiles.Count);
}

// unzorl-inspect.exe, found beside this program's build tree through the path ctest gives.
std::string InspectPath;

struct RunResult {
  DWORD exitCode;
  std::string out;
  std::string err;
};

std::string ReadAllFrom(HANDLE pipe) {
  std::string text;
  char buffer[4096];
  DWORD got;
  while (ReadFile(pipe, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  return text;
}

RunResult RunInspect(const std::string& arguments) {
  SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
  HANDLE outRead, outWrite, errRead, errWrite;
  CreatePipe(&outRead, &outWrite, &inherit, 0);
  CreatePipe(&errRead, &errWrite, &inherit, 0);
  SetHandleInformation(outRead, HANDLE_FLAG_INHERIT, 0);
  SetHandleInformation(errRead, HANDLE_FLAG_INHERIT, 0);
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  startup.dwFlags = STARTF_USESTDHANDLES;
  startup.hStdOutput = outWrite;
  startup.hStdError = errWrite;
  startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
  PROCESS_INFORMATION process = {};
  std::string command = "\"" + InspectPath + "\" " + arguments;
  std::vector<char> commandLine(command.begin(), command.end());
  commandLine.push_back('\0');
  RunResult result = {9999, "", ""};
  if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
    ADD_FAILURE() << "cannot start " << command << ": error " << GetLastError();
    return result;
  }
  CloseHandle(outWrite);
  CloseHandle(errWrite);
  result.out = ReadAllFrom(outRead);
  result.err = ReadAllFrom(errRead);
  WaitForSingleObject(process.hProcess, 30000);
  GetExitCodeProcess(process.hProcess, &result.exitCode);
  CloseHandle(process.hProcess);
  CloseHandle(process.hThread);
  CloseHandle(outRead);
  CloseHandle(errRead);
  return result;
}

TEST(InspectTool, PrintsTheReadLogAsJsonAndReportsFailures) {
  ASSERT_FALSE(InspectPath.empty()) << "give the path of unzorl-inspect.exe as the first argument";
  std::string dir = Base + "\\INSPECT";
  MakeDirs(dir);
  WriteBytes(dir + "\\A.EXE", "x");
  WriteBytes(dir + "\\INSTALL.LOG", Join({"***  Zorl", "Title: Zorl Writer Installation", "File Copy: " + dir + "\\A.EXE | d",
                                          "Link Info: caf\xe9", "RegDB Key: K", "RegDB Val: v", "RegDB Old: o1",
                                          "RegDB Old: o2"}));
  WriteBytes(dir + "\\BAD.LOG", "nothing\r\n");

  RunResult ok = RunInspect(dir + "\\INSTALL.LOG");
  EXPECT_EQ(0u, ok.exitCode) << ok.err;
  EXPECT_EQ("", ok.err);
  for (const char* fragment :
       {"\"LogTitle\": \"Zorl Writer\"", "\"LinkInfo\": \"caf\\u00e9\"", "\"OldValues\": [\"o1\", \"o2\"]",
        "\"Target\": {\"List\": \"ChangedRegValues\", \"Index\": 0}", "\"PerUserId\": null", "\"Services\": []\n}\n"})
    EXPECT_NE(std::string::npos, ok.out.find(fragment)) << fragment << "\n" << ok.out;
  EXPECT_EQ(std::string::npos, ok.out.find('\r')) << "standard output is written byte for byte";

  // Relative paths are taken in the current directory.
  SetCurrentDirectoryA(dir.c_str());
  EXPECT_EQ(0u, RunInspect("INSTALL.LOG").exitCode);

  const struct {
    std::string arguments;
    DWORD exitCode;
    const char* err;
  } failures[] = {
      {dir + "\\NONE.LOG", 1, "Could not open INSTALL.LOG file."},
      {dir + "\\BAD.LOG", 1, "Invalid INSTALL.LOG file."},
      {"", 2, "usage: unzorl-inspect LOGPATH"},
      {"A B", 2, "usage: unzorl-inspect LOGPATH"},
  };
  for (const auto& f : failures) {
    RunResult run = RunInspect(f.arguments);
    EXPECT_EQ(f.exitCode, run.exitCode) << f.arguments;
    EXPECT_NE(std::string::npos, run.err.find(f.err)) << f.arguments << ": " << run.err;
    EXPECT_EQ("", run.out) << f.arguments;
  }
}
}  // namespace

int main(int argc, char** argv) {
  testing::InitGoogleTest(&argc, argv);
  if (argc > 1) {
    // ctest gives the Linux path of the build tree; Wine shows the Linux root as Z:.
    std::string path = argv[1];
    if (!path.empty() && path[0] == '/') {
      for (char& c : path) c = c == '/' ? '\\' : c;
      path = "Z:" + path;
    }
    InspectPath = path;
  }
  return RUN_ALL_TESTS();
}
