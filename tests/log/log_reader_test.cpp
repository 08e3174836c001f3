// The reader's decisions: lists, merging by installation, directories, rights, messages.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/log_reader.h"
#include "tests/support/stand_in_reader_system.h"

namespace {
// One read of a log through the stand-in system.
struct Read {
  StandInReaderSystem system;
  ReaderSettings settings = {1, 1, 0};  // NT family, new shell, no caption given
  Arena arena;
  InstallData data;
  char removalRoot[RemovalRootSize] = "untouched";
  int result = -1;

  Read() { system.AllFilesExist = true; }
  int Run(const std::vector<std::string>& lines, const char* logPath = "C:\\APP\\INSTALL.LOG") {
    for (const std::string& line : lines) system.Log += line + "\r\n";
    AllocateInstallData(arena, data);
    result = ReadLog(logPath, removalRoot, settings, system, data, arena);
    EXPECT_EQ(0, system.OpenLogs) << "the log was left open";
    return result;
  }
};

const char* const Head[] = {"***  Log", "Title: Zorl"};
std::vector<std::string> Log(std::vector<std::string> body) {
  body.insert(body.begin(), std::begin(Head), std::end(Head));
  return body;
}

TEST(ReadLog, ReportsUnreadableAndInvalidLogsWithTheirMessages) {
  struct Case {
    const char* name;
    bool opens;
    std::string bytes;
    unsigned message;
  } cases[] = {
      {"cannot be opened", false, "", 3},
      {"empty file", true, "", 4},
      {"no header mark", true, "Log\r\nTitle: X\r\n", 4},
      {"no title line", true, "***  Log\r\nFile Copy: C:\\A\r\n", 4},
      {"title in small letters", true, "***  Log\r\ntitle: X\r\n", 4},
      {"LF line ends only", true, "***  Log\nTitle: X\n", 4},
  };
  for (const Case& c : cases) {
    Read read;
    read.system.LogOpens = c.opens;
    read.system.Log = c.bytes;
    EXPECT_EQ(1, read.Run({})) << c.name;
    ASSERT_EQ(1u, read.system.Messages.size()) << c.name;
    EXPECT_EQ(c.message, read.system.Messages[0].first) << c.name;
    EXPECT_EQ(2u, read.system.Messages[0].second) << c.name;
    EXPECT_TRUE(read.system.Captions.empty()) << c.name;
  }
}

TEST(ReadLog, AcceptsEveryLineEnding) {
  for (const char* end : {"\r\n", "\n\r", "\r"}) {
    Read read;
    read.system.Log = std::string("***  L") + end + "Title: T" + end + "File Copy: C:\\APP\\A.EXE" + end;
    EXPECT_EQ(0, read.Run({}));
    ASSERT_EQ(1u, read.data.PrivateFiles.Count);
    EXPECT_STREQ("C:\\APP\\A.EXE", read.data.PrivateFiles[0]->Path);
  }
}

TEST(ReadLog, TitleLosesItsInstallSuffixesAndBecomesTheCaption) {
  const std::pair<const char*, const char*> cases[] = {
      {"Title: Zorl Writer Installation", "Zorl Writer"},
      {"Title: Zorl Writer INSTALLATION", "Zorl Writer"},
      {"Title: Zorl Writer install", "Zorl Writer"},
      {"Title: Zorl Install Installation", "Zorl"},
      {"Title:  INSTALL", " INSTALL"},
      {"Title:  INSTALLATION", " INSTALLATION"},
      {"Title: X INSTALLATION", "X"},
      {"Title: Zorl Installer", "Zorl Installer"},
  };
  for (const auto& c : cases) {
    Read read;
    read.Run({"***  L", c.first, "Title: Second"});
    EXPECT_STREQ(c.second, read.data.LogTitle) << c.first;
    EXPECT_EQ(std::vector<std::string>{c.second}, read.system.Captions) << c.first;
  }
  Read given;
  given.settings.HasSecondArgument = 1;
  given.Run(Log({}));
  EXPECT_TRUE(given.system.Captions.empty());
  Read longTitle;
  longTitle.Run({"***  L", "Title: " + std::string(300, 'T') + " Installation"});
  EXPECT_EQ(std::string(255, 'T'), longTitle.data.LogTitle);
}

TEST(ReadLog, ClassifiesFilesByDirectoryAndRemovability) {
  Read read;
  read.system.AllFilesExist = false;
  for (const char* path : {"C:\\APP\\A.EXE", "C:\\WINDOWS\\SYSTEM\\S.DLL", "C:\\WINDOWS\\SYSTEM\\N.DLL",
                           "C:\\WINDOWS\\SYSTEM\\SUB\\P.DLL", "C:\\WINDOWS\\SYSTEM\\WIN32S\\W.DLL", "C:\\WINDOWS\\W.INI",
                           "C:\\APP\\O.DLL", "C:\\APP\\C.DLL", "C:\\APP\\B.DLL", "A:\\F.EXE", "B:\\G.EXE"})
    read.system.AddFile(path);
  read.system.SharedDlls.insert("C:\\APP\\C.DLL");
  read.system.RemovableA = true;
  ASSERT_EQ(0, read.Run(Log({
                   "File Copy: C:\\APP\\A.EXE | 01-01-1999 | 10:00:00 |  | 5 | abc",
                   "File Copy: C:\\WINDOWS\\SYSTEM\\S.DLL",
                   "Non-System File:",
                   "File Copy: c:\\windows\\system\\N.DLL",
                   "File Copy: C:\\WINDOWS\\SYSTEM\\SUB\\P.DLL",
                   "File Copy: C:\\WINDOWS\\SYSTEM\\WIN32S\\W.DLL",
                   "Shell Link: C:\\WINDOWS\\W.INI",
                   "File Overwrite: C:\\APP\\O.DLL | d",  // no counter, no backup: repair only
                   "File Overwrite: C:\\APP\\Q.DLL",     // and nothing to repair with: nothing
                   "File Overwrite: C:\\APP\\C.DLL",     // counted by the system
                   "File Overwrite: C:\\APP\\B.DLL",
                   "Backup Copy: C:\\BAK\\B.DLL",
                   "File Copy: C:\\APP\\GONE.EXE",        // missing: repair only, details or not
                   "File Copy: C:\\WINDOWS\\SYSTEM\\GONE.DLL | d",
                   "File Copy: A:\\F.EXE | d",            // removable drive A:
                   "File Copy: B:\\G.EXE",                // B: is a fixed drive here
               })));
  std::vector<std::string> privateFiles, systemFiles, repairFiles;
  for (FileItem* f : read.data.PrivateFiles) privateFiles.push_back(std::string(f->Path) + " auto=" + std::to_string(f->AutoSelect));
  for (SystemFileItem* f : read.data.SystemFiles) systemFiles.push_back(std::string(f->Path) + " removable=" + std::to_string(f->Removable));
  for (RepairFileItem* f : read.data.RepairOnlyFiles) repairFiles.push_back(f->Path);
  EXPECT_EQ((std::vector<std::string>{"C:\\APP\\A.EXE auto=1", "C:\\WINDOWS\\SYSTEM\\SUB\\P.DLL auto=1", "C:\\APP\\C.DLL auto=1",
                                      "C:\\APP\\B.DLL auto=0", "B:\\G.EXE auto=1"}),
            privateFiles);
  EXPECT_EQ((std::vector<std::string>{"C:\\WINDOWS\\SYSTEM\\S.DLL removable=0", "c:\\windows\\system\\N.DLL removable=1",
                                      "C:\\WINDOWS\\SYSTEM\\WIN32S\\W.DLL removable=0", "C:\\WINDOWS\\W.INI removable=0"}),
            systemFiles);
  EXPECT_EQ((std::vector<std::string>{"C:\\APP\\O.DLL", "C:\\APP\\GONE.EXE", "C:\\WINDOWS\\SYSTEM\\GONE.DLL", "A:\\F.EXE"}),
            repairFiles);
  EXPECT_STREQ(" 01-01-1999 | 10:00:00 |  | 5 | abc", read.data.PrivateFiles[0]->Details);
  EXPECT_STREQ("C:\\BAK\\B.DLL", read.data.PrivateFiles[3]->BackupPath);
  EXPECT_EQ(1, read.data.HasBackups);
  EXPECT_STREQ("C:\\WINDOWS\\SYSTEM", read.data.SystemDirectory);
}

TEST(ReadLog, OverwritesAreUncountedOnAnOldShell) {
  Read read;
  read.settings.NewShell = 0;
  read.system.SharedDlls.insert("C:\\APP\\C.DLL");
  read.Run(Log({"File Overwrite: C:\\APP\\C.DLL | d"}));
  EXPECT_EQ(0u, read.data.PrivateFiles.Count);
  EXPECT_EQ(1u, read.data.RepairOnlyFiles.Count);
}

TEST(ReadLog, MergesRepeatedFilesByInstallation) {
  Read read;
  ASSERT_EQ(0, read.Run(Log({
                   "Shell Link: C:\\APP\\A.LNK | one",
                   "Link Info: first",
                   "File Copy: C:\\APP\\U.DLL",
                   "Shared DLL counter ignored:",
                   "File Copy: C:\\APP\\I.DLL",
                   "File Copy: C:\\WINDOWS\\SYSTEM\\S.DLL",
                   "***  second",
                   "Shell Link: c:\\app\\a.lnk",
                   "Backup Copy: C:\\BAK\\A.LNK",
                   "Shared DLL counter ignored:",
                   "File Copy: C:\\APP\\U.DLL | two",
                   "File Copy: C:\\APP\\I.DLL",
                   "File Copy: C:\\WINDOWS\\SYSTEM\\S.DLL",
                   "Backup Copy: C:\\BAK\\S.DLL",
                   "***  third",
                   "File Overwrite: C:\\APP\\A.LNK | three",  // not removable now: repair from section 3
                   "Link Info: third",
               })));
  ASSERT_EQ(3u, read.data.PrivateFiles.Count);
  FileItem* link = read.data.PrivateFiles[0];
  EXPECT_STREQ("C:\\APP\\A.LNK", link->Path);
  EXPECT_EQ(2, link->InstallNo);
  EXPECT_EQ(3, link->RepairInstallNo);
  EXPECT_STREQ("C:\\BAK\\A.LNK", link->BackupPath);
  EXPECT_EQ(2, link->BackupInstallNo);
  EXPECT_STREQ(" three", link->Details);
  EXPECT_STREQ("third", link->LinkInfo);
  EXPECT_EQ(1, link->AutoSelect);
  EXPECT_EQ(2, link->CounterUses);
  FileItem* counted = read.data.PrivateFiles[1];  // counted once, then ignored
  EXPECT_EQ(1, counted->CounterUses);
  EXPECT_EQ(1, counted->CounterInstallNo);
  EXPECT_EQ(2, counted->InstallNo);
  EXPECT_STREQ(" two", counted->Details);
  FileItem* ignored = read.data.PrivateFiles[2];  // ignored first, counted later
  EXPECT_EQ(1, ignored->CounterUses);
  EXPECT_EQ(2, ignored->CounterInstallNo);
  ASSERT_EQ(1u, read.data.SystemFiles.Count);
  EXPECT_EQ(2, read.data.SystemFiles[0]->CounterUses);
  EXPECT_STREQ("C:\\BAK\\S.DLL", read.data.SystemFiles[0]->BackupPath);
  EXPECT_EQ(2, read.data.SystemFiles[0]->BackupInstallNo);
  EXPECT_EQ(0u, read.data.RepairOnlyFiles.Count);
}

TEST(ReadLog, PerUserShortcutsOfOtherProfilesAreLeftOut) {
  Read read;
  read.system.UserStartMenu = "C:\\WINNT\\Profiles\\bob\\Start Menu";
  read.system.CommonStartMenu = "C:\\WINNT\\Profiles\\All Users\\Start Menu";
  read.Run(Log({
      "Shell Link: C:\\WINNT\\Profiles\\bob\\Start Menu\\Z.LNK | d",  // before the ID: kept
      "Per-User ID: bob",
      "Shell Link: C:\\WINNT\\Profiles\\bob\\Start Menu\\Y.LNK | d",
      "Shell Link: C:\\WINNT\\Profiles\\All Users\\Start Menu\\C.LNK",
      "File Copy: C:\\WINNT\\Profiles\\bob\\F.TXT",  // only shortcuts are filtered
  }));
  std::vector<std::string> paths;
  for (FileItem* f : read.data.PrivateFiles) paths.push_back(f->Path);
  EXPECT_EQ((std::vector<std::string>{"C:\\WINNT\\Profiles\\bob\\Start Menu\\Z.LNK",
                                      "C:\\WINNT\\Profiles\\All Users\\Start Menu\\C.LNK", "C:\\WINNT\\Profiles\\bob\\F.TXT"}),
            paths);
  EXPECT_EQ(0u, read.data.RepairOnlyFiles.Count);
  EXPECT_STREQ("bob", read.data.PerUserId);

  // The Windows 95 family has no common folder: every profile's shortcut is left out.
  Read old;
  old.settings.PlatformKind = 2;
  old.system.UserStartMenu = "C:\\WINDOWS\\Profiles\\bob\\Start Menu";
  old.system.CommonStartMenu = "C:\\WINDOWS\\Profiles\\All Users\\Start Menu";
  old.Run(Log({"Per-User ID: bob", "Shell Link: C:\\WINDOWS\\Profiles\\All Users\\Start Menu\\C.LNK"}));
  EXPECT_EQ(0u, old.data.PrivateFiles.Count);
}

TEST(ReadLog, RegistryGroupsMergeByKeyNameAndRoot) {
  Read read;
  ASSERT_EQ(0, read.Run(Log({
                   "RegDB Key: Software\\Zorl", "RegDB Val: 1", "RegDB Name: Count", "RegDB Type: 3", "RegDB Root: 2",
                   "RegDB Key: Software\\Zorl", "RegDB Val: a", "RegDB Name: List", "RegDB Type: 2", "RegDB Root: 2",
                   "RegDB Old: x", "RegDB Old: y",
                   "RegDB Key: Software\\Zorl", "RegDB Val: b", "RegDB Name: List", "RegDB Root: 3",  // another root
                   "RegDB Key: K", "RegDB Val: v", "RegDB Root: 5",  // refused: root outside 0-4
                   "RegDB Key: K", "RegDB Val: v", "RegDB Type: -1",  // refused: type outside 0-4
                   "RegDB Tree: Software\\Zorl\\Tree", "RegDB Root: 2",
                   "RegDB Tree: Software\\Zorl\\Tree",
                   "RegDB Tree: Software\\Zorl\\Bad", "RegDB Root: 9",
                   "***  second",
                   "RegDB Key: software\\zorl", "RegDB Val: c", "RegDB Name: list", "RegDB Type: 0", "RegDB Root: 2",
                   "RegDB Old: z",
                   "RegDB Key: Software\\Zorl", "RegDB Val: 2", "RegDB Name: Count", "RegDB Root: 2",
                   "RegDB Tree: SOFTWARE\\ZORL\\TREE", "RegDB Root: 2",
               })));
  ASSERT_EQ(2u, read.data.NewRegValues.Count);
  RegValueItem* count = read.data.NewRegValues[0];
  EXPECT_STREQ("Count", count->ValueName);
  EXPECT_STREQ("2", count->RootText);
  EXPECT_EQ(2, count->InstallNo);
  EXPECT_EQ(3, read.data.NewRegValues[1]->Root);
  ASSERT_EQ(1u, read.data.ChangedRegValues.Count);
  RegChangeItem* list = read.data.ChangedRegValues[0];
  EXPECT_EQ(0, std::memcmp("x\0y\0\0", list->OldValues, 5));
  EXPECT_STREQ("z", list->LatestOldValue);
  EXPECT_EQ(2, list->Type);  // from the first section
  EXPECT_EQ(2, list->InstallNo);
  ASSERT_EQ(5u, read.data.RegValueWrites.Count);
  const struct {
    int hasOld, type;
    const void* target;
    const char* data;
  } writes[] = {{0, 3, count, "1"}, {1, 0, list, "a"}, {0, 0, read.data.NewRegValues[1], "b"}, {1, 0, list, "c"},
                {0, 0, count, "2"}};
  for (int i = 0; i < 5; ++i) {
    EXPECT_EQ(writes[i].hasOld, read.data.RegValueWrites[i]->HasOld) << i;
    EXPECT_EQ(writes[i].type, read.data.RegValueWrites[i]->Type) << i;
    EXPECT_EQ(writes[i].target, read.data.RegValueWrites[i]->Target) << i;
    EXPECT_STREQ(writes[i].data, read.data.RegValueWrites[i]->Data) << i;
  }
  ASSERT_EQ(2u, read.data.RegTrees.Count);
  EXPECT_EQ(2, read.data.RegTrees[0]->Root);
  EXPECT_EQ(2, read.data.RegTrees[0]->InstallNo);
  EXPECT_EQ(0, read.data.RegTrees[1]->Root);
}

TEST(ReadLog, RootOneAfterPerUserIdAddsNothing) {
  Read read;
  read.Run(Log({
      "RegDB Key: Before", "RegDB Val: v", "RegDB Root: 1",
      "Per-User ID: bob",
      "RegDB Key: After", "RegDB Val: v", "RegDB Root: 1", "RegDB Old: o",
      "RegDB Key: Machine", "RegDB Val: v", "RegDB Root: 2",
  }));
  ASSERT_EQ(2u, read.data.NewRegValues.Count);
  EXPECT_STREQ("Before", read.data.NewRegValues[0]->Key);
  EXPECT_STREQ("Machine", read.data.NewRegValues[1]->Key);
  EXPECT_EQ(0u, read.data.ChangedRegValues.Count);
  EXPECT_EQ(2u, read.data.RegValueWrites.Count);
}

TEST(ReadLog, IniEntriesFilesProgramsIconsAndServicesMerge) {
  Read read;
  read.system.AllFilesExist = false;
  read.system.AddFile("C:\\WINDOWS\\ZORL.INI");
  read.system.AddFile("C:\\APP\\EDIT.DAT");
  read.Run(Log({
      "INI File: C:\\WINDOWS\\WIN.INI", "INI Sect: Zorl", "INI Item: Run", "INI Val: 1", "INI Old: first",
      "INI New: ", "INI File: C:\\WINDOWS\\ZORL.INI", "INI Sect: S", "INI Item: I", "INI Val: v",
      "INI New: ", "INI File: C:\\WINDOWS\\NONE.INI",  // does not exist
      "File Edit: C:\\APP\\EDIT.DAT", "Backup Copy: C:\\BAK\\EDIT.DAT",
      "File Edit: C:\\APP\\EDIT.DAT",  // no backup: nothing
      "Execute Path: C:\\APP\\CLEAN.EXE", "Execute Name: Cleaner",
      "Icon Group: Zorl", "Icon Name: App", "Icon Cmd: C:\\APP\\A.EXE",
      "Create Service: ZorlSvc",
      "***  second",
      "INI File: c:\\windows\\win.ini", "INI Sect: ZORL", "INI Item: run", "INI Val: 2",
      "INI New: ", "INI File: C:\\WINDOWS\\ZORL.INI",
      "File Edit: C:\\APP\\EDIT.DAT", "Backup Copy: C:\\BAK2\\EDIT.DAT",
      "Execute Program: c:\\app\\clean.exe", "Execute Name: Other",
      "Icon Group: ZORL", "Icon Name: app", "Icon Cmd: C:\\APP\\B.EXE",
      "Create Service: zorlsvc",
  }));
  ASSERT_EQ(1u, read.data.IniEdits.Count);
  EXPECT_STREQ("first", read.data.IniEdits[0]->OldValue);
  EXPECT_STREQ("", read.data.IniEdits[0]->LatestOldValue);
  EXPECT_EQ(2, read.data.IniEdits[0]->InstallNo);
  ASSERT_EQ(1u, read.data.NewIniFiles.Count);
  EXPECT_EQ(2, read.data.NewIniFiles[0]->InstallNo);
  ASSERT_EQ(1u, read.data.EditedFiles.Count);
  EXPECT_STREQ("C:\\BAK2\\EDIT.DAT", read.data.EditedFiles[0]->BackupPath);
  EXPECT_EQ(2, read.data.EditedFiles[0]->InstallNo);
  ASSERT_EQ(1u, read.data.Programs.Count);
  EXPECT_STREQ("Cleaner", read.data.Programs[0]->Name);
  EXPECT_EQ(2, read.data.Programs[0]->InstallNo);
  ASSERT_EQ(1u, read.data.Icons.Count);
  EXPECT_STREQ("C:\\APP\\B.EXE", read.data.Icons[0]->Command);
  EXPECT_EQ(1, read.data.Icons[0]->InstallNo);  // the first section that logged it
  ASSERT_EQ(1u, read.data.Services.Count);
  EXPECT_EQ(2, read.data.Services[0]->InstallNo);
}

TEST(ReadLog, DevicesAndSelfRegistrationMarkTheirFiles) {
  Read read;
  read.system.LongForms["C:\\APP\\SERVER~1.DLL"] = "C:\\APP\\Server Library.dll";
  read.Run(Log({
      "File Copy: C:\\APP\\SERVER~1.DLL",
      "File Copy: C:\\WINDOWS\\SYSTEM\\ZORL.386",
      "***  second",
      "Self-Register: C:\\APP\\server library.dll",
      "Add Device: c:\\windows\\system\\zorl.386",
      "Add Device: C:\\APP\\SERVER~1.DLL",
      "Self-Register: C:\\WINDOWS\\SYSTEM\\NONE.DLL",
  }));
  FileItem* server = read.data.PrivateFiles[0];
  EXPECT_EQ(2, server->SelfRegInstallNo);
  EXPECT_EQ(2, server->DeviceInstallNo);
  EXPECT_EQ(2, read.data.SystemFiles[0]->DeviceInstallNo);
  EXPECT_EQ(0, read.data.SystemFiles[0]->SelfRegInstallNo);
}

TEST(ReadLog, DirectoriesKeepTheTopMostAndCutTheRemovalRoot) {
  Read read;
  read.system.ShortForms["C:\\PROGRAM FILES\\ZORL"] = "C:\\PROGRA~1\\ZORL";
  read.system.ShortForms["C:\\Program Files\\Zorl\\"] = "C:\\PROGRA~1\\ZORL\\";
  read.system.ShortForms["C:\\Program Files\\"] = "C:\\PROGRA~1\\";
  ASSERT_EQ(0, read.Run(Log({
                            "Made Dir: C:\\Program Files\\Zorl\\Data",  // child of the log's directory
                            "Made Dir: D:\\Other\\Deep",
                            "Made Dir: D:\\Other",  // parent: cuts the listed child back
                            "Made Dir: d:\\other\\deep\\deeper\\",
                            "Made Dir: C:\\",  // a drive root is never listed
                            "Made Dir: Relative\\Dir",
                            "File Tree: E:\\Tree\\*.*",
                            "File Tree: E:\\Pattern\\*.TXT",
                            "File Tree: E:\\Plain",
                            "***  second",
                            "Made Dir: C:\\Program Files\\Zorl",  // the log's own directory
                            "File Tree: e:\\plain\\",
                        }),
                        "C:\\PROGRAM FILES\\ZORL\\INSTALL.LOG"));
  std::vector<std::string> dirs;
  for (DirItem* d : read.data.CreatedDirs)
    dirs.push_back(std::string(d->Path) + " " + std::to_string(d->TreeInstallNo) + "/" + std::to_string(d->MadeInstallNo));
  EXPECT_EQ((std::vector<std::string>{"C:\\PROGRAM FILES\\ZORL\\ 0/2", "D:\\Other\\ 0/1",
                                      "E:\\Tree 1/1", "E:\\Pattern\\*.TXT 1/1", "E:\\Plain\\ 2/2"}),
            dirs);
  EXPECT_STREQ("C:\\PROGRA~1\\ZORL\\", read.removalRoot);
}

TEST(ReadLog, RemovalRootIsCutToTheHighestCreatedDirectory) {
  Read read;
  read.Run(Log({"Made Dir: C:\\APP\\SUB", "Made Dir: C:\\", "Made Dir: C:\\APP", "Made Dir: C:\\OTHER"}),
           "C:\\APP\\SUB\\INSTALL.LOG");
  EXPECT_STREQ("C:\\APP\\", read.removalRoot);
  ASSERT_EQ(2u, read.data.CreatedDirs.Count);
  EXPECT_STREQ("C:\\APP\\", read.data.CreatedDirs[0]->Path);
}

TEST(ReadLog, LogsInARootOrTheWindowsDirectoryListNoDirectoryOfTheirOwn) {
  const struct {
    const char* logPath;
    unsigned dirs;
    const char* removalRoot;
  } cases[] = {
      {"C:\\INSTALL.LOG", 0, ""},
      {"C:\\WINDOWS\\INSTALL.LOG", 0, "C:\\WINDOWS\\"},
      {"c:\\windows\\system\\INSTALL.LOG", 0, "c:\\windows\\system\\"},
      {"C:\\WINDOWS\\SYSTEM\\SUB\\INSTALL.LOG", 1, "C:\\WINDOWS\\SYSTEM\\SUB\\"},
      {"C:\\APP\\INSTALL.LOG", 1, "C:\\APP\\"},
  };
  for (const auto& c : cases) {
    Read read;
    read.Run(Log({}), c.logPath);
    EXPECT_EQ(c.dirs, read.data.CreatedDirs.Count) << c.logPath;
    if (c.dirs == 1) {
      EXPECT_EQ(OwnDirInstallNo, read.data.CreatedDirs[0]->MadeInstallNo) << c.logPath;
    }
    EXPECT_STREQ(c.removalRoot, read.removalRoot) << c.logPath;
  }
}

TEST(ReadLog, SectionsNumberInstallationsAndKeepTheLastOffset) {
  Read read;
  read.Run({"***  one", "Title: T", "Source: A:\\SETUP.EXE", "File Copy: C:\\APP\\A", "***  two",
            "Source: B:\\SETUP.EXE | 01-02-1999 | 10:11:12 | 5", "*** three", "File Copy: C:\\APP\\C"});
  EXPECT_EQ(3, read.data.InstallCount);
  EXPECT_EQ(static_cast<int32_t>(read.system.Log.find("*** three")), read.data.LastSectionOffset);
  EXPECT_STREQ("A:\\SETUP.EXE", read.data.InstallSources.Get(1));
  EXPECT_STREQ("B:\\SETUP.EXE | 01-02-1999 | 10:11:12 | 5", read.data.InstallSources.Get(2));
  EXPECT_EQ(nullptr, read.data.InstallSources.Get(3));
  EXPECT_EQ(1, read.data.SourceHasAttributes);
  EXPECT_EQ(3, read.data.PrivateFiles[1]->InstallNo);

  Read one;
  one.Run(Log({"Source: A:\\SETUP.EXE"}));
  EXPECT_EQ(0, one.data.LastSectionOffset);
  EXPECT_EQ(0, one.data.SourceHasAttributes);
}

TEST(ReadLog, InstallCountStopsAtTheLargestNumber) {
  Read read;
  std::vector<std::string> lines = Log({});
  for (int i = 0; i < 65540; ++i) lines.push_back("***  more");
  lines.push_back("File Copy: C:\\APP\\LAST");
  read.Run(lines);
  EXPECT_EQ(65535, read.data.InstallCount);
  EXPECT_EQ(65535, read.data.PrivateFiles[0]->InstallNo);
}

TEST(ReadLog, SingleValuesAndFlags) {
  Read read;
  read.Run(Log({"Uninstall MIF: ZORL.MIF", "Manufacturer: Zorl Inc", "Product: Writer", "Version Number: 1.0",
                "Serial Number: 42", "Product: Writer 2", "SubSystem: BDE 4.0", "Delete in-use files: ON",
                "Delete in-use files: Yes"}));
  EXPECT_STREQ("ZORL.MIF", read.data.MifFileName);
  EXPECT_STREQ("Writer 2", read.data.MifProduct);
  EXPECT_STREQ("42", read.data.MifSerialNumber);
  EXPECT_STREQ("BDE 4.0", read.data.SubSystemName);
  EXPECT_EQ(1, read.data.DeleteInUseFiles);
  Read off;
  off.Run(Log({"Delete in-use files: On", "Delete in-use files: off"}));
  EXPECT_EQ(0, off.data.DeleteInUseFiles);
  EXPECT_EQ(nullptr, off.data.PerUserId);
  EXPECT_EQ(nullptr, off.data.SubSystemName);
}

TEST(ReadLog, AdministratorRightsAreDemandedOnTheNtFamilyOnly) {
  const struct {
    int platform;
    bool administrator;
    int result;
  } cases[] = {{1, false, 1}, {1, true, 0}, {2, false, 0}};
  for (const auto& c : cases) {
    Read read;
    read.settings.PlatformKind = c.platform;
    read.system.Administrator = c.administrator;
    EXPECT_EQ(c.result, read.Run(Log({"File Copy: C:\\APP\\A", "User Rights: Admin", "File Copy: C:\\APP\\B"})));
    if (c.result == 1) {
      EXPECT_EQ((std::vector<std::pair<unsigned, unsigned>>{{67, 25}}), read.system.Messages);
      EXPECT_EQ(1u, read.data.PrivateFiles.Count);
    } else {
      EXPECT_TRUE(read.system.Messages.empty());
      EXPECT_EQ(2u, read.data.PrivateFiles.Count);
    }
  }
}

TEST(ReadLog, OverLongValuesAreCutToTheirFieldsAndStillMerge) {
  Read read;
  std::string longPath = "C:\\APP\\" + std::string(400, 'L');
  read.Run(Log({"File Copy: " + longPath + " |" + std::string(200, 'D'), "File Copy: " + longPath,
                "RegDB Key: " + std::string(300, 'K'), "RegDB Val: v", "RegDB Old: o",
                "RegDB Key: " + std::string(300, 'K'), "RegDB Val: v", "RegDB Old: p",
                "Icon Group: " + std::string(300, 'G'), "Icon Name: n", "Icon Cmd: c"}));
  ASSERT_EQ(1u, read.data.PrivateFiles.Count);
  EXPECT_EQ(longPath.substr(0, 259), read.data.PrivateFiles[0]->Path);
  EXPECT_EQ(2, read.data.PrivateFiles[0]->CounterUses);
  ASSERT_EQ(1u, read.data.ChangedRegValues.Count);
  EXPECT_EQ(255u, std::strlen(read.data.ChangedRegValues[0]->Key));
  EXPECT_EQ(255u, std::strlen(read.data.Icons[0]->Group));
}
}  // namespace
