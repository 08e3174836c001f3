// The lines zorl-setup writes into INSTALL.LOG.
#include <gtest/gtest.h>

#include "tools/zorl-setup/log_section.h"

namespace {

// Stands in for the OEM conversion: marks every converted value.
std::string Marked(const std::string& s) { return "<" + s + ">"; }

}  // namespace

TEST(LogSection, HeaderTellsAnsiFromOem) {
  EXPECT_EQ("***  Setup\r\n", LogSection(false, "Setup", Marked).Text());
  EXPECT_EQ("*** Setup\r\n", LogSection(true, "Setup", Marked).Text());
}

TEST(LogSection, OemSectionsConvertOnlyTheValuesTheReaderConverts) {
  for (bool oem : {false, true}) {
    LogSection log(oem, "S", Marked);
    FileRecord f;
    f.Path = "C:\\A\\B.DLL";
    f.Details = " 01-02-2003 | 04:05:06 | 1.0 | 3 | 0";
    f.BackupPath = "C:\\A\\OLD.DLL";
    log.File(f);
    log.FileEdit("C:\\A\\E.CFG", "C:\\A\\E.BAK");
    log.MadeDir("C:\\A");
    log.FileTree("C:\\A\\T\\*.*");
    log.IniEntry("C:\\W\\X.INI", "Sect", "Item", "v", false, "");
    log.Source("C:\\S.EXE", "");
    log.Icon("G", "N", "C:\\A\\B.EXE");
    const std::string l = oem ? "<" : "", r = oem ? ">" : "";
    EXPECT_EQ(std::string(oem ? "*** S" : "***  S") +
                  "\r\n"
                  "File Copy: " + l + "C:\\A\\B.DLL" + r + " | 01-02-2003 | 04:05:06 | 1.0 | 3 | 0\r\n"
                  "Backup Copy: " + l + "C:\\A\\OLD.DLL" + r + "\r\n"
                  "File Edit: " + l + "C:\\A\\E.CFG" + r + "\r\n"
                  "Backup Copy: " + l + "C:\\A\\E.BAK" + r + "\r\n"
                  "Made Dir: " + l + "C:\\A" + r + "\r\n"
                  "File Tree: C:\\A\\T\\*.*\r\n"
                  "INI File: " + l + "C:\\W\\X.INI" + r + "\r\n"
                  "INI Sect: Sect\r\nINI Item: Item\r\nINI Val: v\r\n"
                  "Source: C:\\S.EXE\r\n"
                  "Icon Group: G\r\nIcon Name: N\r\nIcon Cmd: C:\\A\\B.EXE\r\n",
              log.Text());
  }
}

TEST(LogSection, FileMarksComeFirstAndLinkInfoBeforeBackup) {
  LogSection log(false, "S", nullptr);
  FileRecord f;
  f.Kind = FileLineKind::ShellLink;
  f.Path = "C:\\M\\A.LNK";
  f.NonSystem = true;
  f.CounterIgnored = true;
  f.LinkInfo = "C:\\A.EXE||||1|0|";
  f.BackupPath = "C:\\B\\A.LNK";
  log.File(f);
  f.Kind = FileLineKind::Overwrite;
  f.NonSystem = f.CounterIgnored = false;
  f.LinkInfo.clear();
  f.BackupPath.clear();
  log.File(f);
  EXPECT_EQ("***  S\r\nNon-System File:\r\nShared DLL counter ignored:\r\nShell Link: C:\\M\\A.LNK\r\n"
            "Link Info: C:\\A.EXE||||1|0|\r\nBackup Copy: C:\\B\\A.LNK\r\nFile Overwrite: C:\\M\\A.LNK\r\n",
            log.Text());
  EXPECT_EQ("C:\\A.EXE|C:\\|C:\\I.ICO|2|7|1604|/x", FormatLinkInfo("C:\\A.EXE", "C:\\", "C:\\I.ICO", 2, 7, 1604, "/x"));
}

TEST(LogSection, RegistryGroupsRecordOldDataWhenTheValueExisted) {
  LogSection log(false, "S", nullptr);
  RegRecord r;
  r.Root = 2;
  r.Type = 2;
  r.Key = "Software\\Z";
  r.Name = "Paths";
  r.NewLines = {"a", "b"};
  r.Existed = true;
  r.OldLines = {"x", "y"};
  log.RegValue(r);
  r.Type = 2;
  r.Name = "Empty";
  r.OldLines.clear();  // an empty multi-string existed: one empty old line keeps it "changed"
  log.RegValue(r);
  r.Existed = false;
  r.Name = "";
  r.Type = 0;
  r.NewLines = {"v"};
  log.RegValue(r);
  log.RegTree(1, "Software\\Z\\T");
  EXPECT_EQ("***  S\r\n"
            "RegDB Key: Software\\Z\r\nRegDB Val: a\r\nRegDB Val: b\r\nRegDB Name: Paths\r\nRegDB Type: 2\r\n"
            "RegDB Root: 2\r\nRegDB Old: x\r\nRegDB Old: y\r\n"
            "RegDB Key: Software\\Z\r\nRegDB Val: a\r\nRegDB Val: b\r\nRegDB Name: Empty\r\nRegDB Type: 2\r\n"
            "RegDB Root: 2\r\nRegDB Old: \r\n"
            "RegDB Key: Software\\Z\r\nRegDB Val: v\r\nRegDB Name: \r\nRegDB Type: 0\r\nRegDB Root: 2\r\n"
            "RegDB Tree: Software\\Z\\T\r\nRegDB Root: 1\r\n",
            log.Text());
}

TEST(LogSection, NewIniFilesAndTheSingleLineRecords) {
  LogSection log(false, "S", nullptr);
  log.IniNew("C:\\W\\N.INI", {"Options", "Mode", "demo"});
  log.IniNew("C:\\W\\E.INI", {});
  log.Execute("C:\\A\\X.EXE /c", "");
  log.Execute("C:\\A\\X.EXE /d", "Cleaning");
  log.DeleteInUseFiles(false);
  log.Mif("Uninstall MIF", "ZDEMO");
  EXPECT_EQ("***  S\r\nINI New: C:\\W\\N.INI\r\nINI File: C:\\W\\N.INI\r\nINI Sect: Options\r\nINI Item: Mode\r\n"
            "INI Val: demo\r\nINI New: C:\\W\\E.INI\r\nINI File: C:\\W\\E.INI\r\n"
            "Execute Path: C:\\A\\X.EXE /c\r\nExecute Path: C:\\A\\X.EXE /d\r\nExecute Name: Cleaning\r\n"
            "Delete in-use files: Off\r\nUninstall MIF: ZDEMO\r\n",
            log.Text());
}
