// The log grammar: header, keywords, groups and their follow-up lines, look-ahead.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "log/log_grammar.h"
#include "tests/support/stand_in_reader_system.h"

namespace {
std::string Join(const std::vector<std::string>& lines, const char* end = "\r\n") {
  std::string text;
  for (const std::string& line : lines) text += line + end;
  return text;
}

// A record in a few words, with only the parts its kind uses.
std::string Describe(const LogRecord& r) {
  std::string d;
  auto add = [&](const char* name, const std::string& value) { d += std::string(" ") + name + "=" + value; };
  switch (r.Kind) {
    case LogRecordKind::File:
      d = r.FileKind == FileLineKind::Copy ? "copy" : r.FileKind == FileLineKind::ShellLink ? "link" : "overwrite";
      add("path", r.Value);
      if (r.Details[0]) add("details", r.Details);
      if (r.LinkInfo[0]) add("info", r.LinkInfo);
      if (r.HasBackupLine) add("backup", r.BackupPath);
      if (r.NonSystemMark) d += " nonsystem";
      if (r.CounterIgnoredMark) d += " uncounted";
      break;
    case LogRecordKind::RegValue: {
      d = "reg";
      add("key", r.Value);
      add("data", r.Data);
      if (r.Name[0]) add("name", r.Name);
      add("type", std::to_string(r.Type));
      add("root", std::to_string(r.Root));
      if (r.HasOld) {
        std::string olds;
        for (const char* p = r.OldValues; *p; p += std::strlen(p) + 1) olds += std::string(olds.empty() ? "" : ",") + p;
        add("old", olds);
      }
      break;
    }
    case LogRecordKind::FileEdit:
      d = "edit";
      add("path", r.Value);
      if (r.HasBackupLine) add("backup", r.BackupPath);
      break;
    case LogRecordKind::IniNew: d = "ininew"; add("path", r.Value); break;
    case LogRecordKind::IniEntry:
      d = "ini";
      add("file", r.Value);
      add("sect", r.Section);
      add("item", r.Item);
      add("old", r.OldValue);
      break;
    case LogRecordKind::Program:
      d = "program";
      add("path", r.Value);
      if (r.HasName) add("name", r.Name);
      break;
    case LogRecordKind::Icon: d = "icon"; add("group", r.Value); add("name", r.Name); add("cmd", r.Command); break;
    case LogRecordKind::RegTree: d = "tree"; add("key", r.Value); add("root", std::to_string(r.Root)); break;
    case LogRecordKind::Section: d = "section"; add("offset", std::to_string(r.Offset)); break;
    case LogRecordKind::CreateService: d = "service"; add("value", r.Value); break;
    case LogRecordKind::AddDevice: d = "device"; add("value", r.Value); break;
    case LogRecordKind::SelfRegister: d = "selfreg"; add("value", r.Value); break;
    case LogRecordKind::SubSystem: d = "subsystem"; add("value", r.Value); break;
    case LogRecordKind::MadeDir: d = "madedir"; add("value", r.Value); break;
    case LogRecordKind::FileTree: d = "filetree"; add("value", r.Value); break;
    case LogRecordKind::Source: d = "source"; add("value", r.Value); break;
    case LogRecordKind::MifFileName: d = "mif"; add("value", r.Value); break;
    case LogRecordKind::MifManufacturer: d = "manufacturer"; add("value", r.Value); break;
    case LogRecordKind::MifProduct: d = "product"; add("value", r.Value); break;
    case LogRecordKind::MifVersion: d = "version"; add("value", r.Value); break;
    case LogRecordKind::MifSerialNumber: d = "serial"; add("value", r.Value); break;
    case LogRecordKind::UserRightsAdmin: d = "admin"; break;
    case LogRecordKind::PerUserId: d = "peruser"; add("value", r.Value); break;
    case LogRecordKind::DeleteInUseFiles: d = "inuse"; add("value", r.Value); break;
  }
  if (!r.Ansi) d += " oem";
  return d;
}

struct Parsed {
  HeaderResult header;
  std::string title;
  bool firstAnsi;
  std::vector<std::string> records;
};

// A grammar over bytes in memory.
struct GrammarOver {
  MemoryByteSource source;
  std::vector<char> block = std::vector<char>(LineBlockSize);
  LineReaderState state = {};
  LogGrammar grammar;
  GrammarOver(const std::string& bytes, bool removableA)
      : source(bytes), state{&source, block.data(), 0, 0, 0, 0}, grammar(state, removableA, false) {}
};

Parsed Parse(const std::string& bytes, bool removableA = false) {
  GrammarOver over(bytes, removableA);
  LogGrammar& grammar = over.grammar;
  Parsed parsed;
  char title[LogLineSize];
  parsed.header = grammar.ReadHeader(title, sizeof title, &parsed.firstAnsi);
  parsed.title = title;
  if (parsed.header == HeaderResult::Valid) {
    std::unique_ptr<LogRecord> record(new LogRecord());
    while (grammar.Next(*record)) parsed.records.push_back(Describe(*record));
  }
  return parsed;
}

const std::string AnsiHead = "***  Installation Log\r\nTitle: Zorl Installation\r\n";

TEST(LogGrammar, HeaderNeedsTheMarkAndAnExactTitleLine) {
  struct Case {
    const char* name;
    std::string bytes;
    HeaderResult header;
    const char* title;
    bool ansi;
  } cases[] = {
      {"empty file", "", HeaderResult::Invalid, "", false},
      {"no mark", "Installation Log\r\nTitle: X\r\n", HeaderResult::Invalid, "", false},
      {"title in small letters", "***  Log\r\ntitle: X\r\n", HeaderResult::Invalid, "", true},
      {"no title", "*** Log\r\nFile Copy: C:\\A\r\n", HeaderResult::Invalid, "", false},
      {"lines before the title", "\r\n***  Log\r\nfree text\r\n*** more\r\nTitle: Zorl App\r\n", HeaderResult::Valid,
       "Zorl App", true},
      {"OEM: a letter as fifth character", "*** Log\r\nTitle: A\r\n", HeaderResult::Valid, "A", false},
      {"OEM: header of four characters", "*** \r\nTitle: A\r\n", HeaderResult::Valid, "A", false},
      {"mark needs its blank", "***\t \r\nTitle: A\r\n", HeaderResult::Invalid, "", true},
      {"title from the eighth character", "***  L\r\nTitle:XYZ\r\n", HeaderResult::Valid, "YZ", true},
      {"short title line", "***  L\r\nTitle:\r\n", HeaderResult::Valid, "", true},
      {"title as last line without CR", "***  L\r\nTitle: End", HeaderResult::Valid, "End", true},
      {"LF alone: everything is the first line", "***  L\nTitle: A\n", HeaderResult::Invalid, "", true},
  };
  for (const Case& c : cases) {
    Parsed p = Parse(c.bytes);
    EXPECT_EQ(c.header, p.header) << c.name;
    EXPECT_EQ(c.title, p.title) << c.name;
    if (!c.bytes.empty()) {
      EXPECT_EQ(c.ansi, p.firstAnsi) << c.name;
    }
  }
}

struct BodyCase {
  const char* name;
  std::vector<std::string> lines;
  std::vector<std::string> records;
};

void CheckBodies(const std::vector<BodyCase>& cases, bool removableA = false) {
  for (const BodyCase& c : cases) {
    Parsed p = Parse(AnsiHead + Join(c.lines), removableA);
    ASSERT_EQ(HeaderResult::Valid, p.header) << c.name;
    EXPECT_EQ(c.records, p.records) << c.name;
  }
}

TEST(LogGrammar, FileLinesTakeTheirFollowUpLines) {
  CheckBodies({
      {"copy with details", {"File Copy: C:\\APP\\A.EXE | 01-02-1999 | x"}, {"copy path=C:\\APP\\A.EXE details= 01-02-1999 | x"}},
      {"only one blank before the bar goes", {"File Copy: C:\\A  |d"}, {"copy path=C:\\A  details=d"}},
      {"shortcut and overwrite", {"Shell Link: C:\\L.LNK", "File Overwrite: C:\\O.DLL"},
       {"link path=C:\\L.LNK", "overwrite path=C:\\O.DLL"}},
      {"kind by letters with case", {"FILE COPY: C:\\A", "file copy: C:\\APP\\BB"},
       {"copy path=C:\\A", "overwrite path=P\\BB"}},
      {"link info then backup", {"Shell Link: C:\\L.LNK", "Link Info: desc", "Backup Copy: C:\\B.LNK", "Made Dir: C:\\D"},
       {"link path=C:\\L.LNK info=desc backup=C:\\B.LNK", "madedir value=C:\\D"}},
      {"backup without link info", {"File Copy: C:\\A", "Backup Copy: C:\\B"}, {"copy path=C:\\A backup=C:\\B"}},
      {"link info after backup is not taken", {"File Copy: C:\\A", "Backup Copy: C:\\B", "Link Info: x"},
       {"copy path=C:\\A backup=C:\\B"}},
      {"backup after another line is not taken", {"File Copy: C:\\A", "Made Dir: C:\\D", "Backup Copy: C:\\B"},
       {"copy path=C:\\A", "madedir value=C:\\D"}},
      {"empty lines inside a group", {"File Copy: C:\\A", "", "Link Info: i", "", "Backup Copy: C:\\B"},
       {"copy path=C:\\A info=i backup=C:\\B"}},
      {"marks apply to the next line only",
       {"Non-System File:", "Shared DLL counter ignored:", "File Copy: C:\\A", "File Copy: C:\\B"},
       {"copy path=C:\\A nonsystem uncounted", "copy path=C:\\B"}},
      {"marks are whole lines in any case", {"non-system file:", "File Copy: C:\\A", "Non-System File: ", "File Copy: C:\\B"},
       {"copy path=C:\\A nonsystem", "copy path=C:\\B"}},
      {"mark order: counter mark first loses the system mark",
       {"Shared DLL counter ignored:", "Non-System File:", "File Copy: C:\\A"}, {"copy path=C:\\A"}},
      {"file line at the end without CR", {"File Copy: C:\\A"}, {"copy path=C:\\A"}},
  });
}

TEST(LogGrammar, RegistryGroupsNeedDataAndTakeOptionalLinesInOrder) {
  CheckBodies({
      {"full group", {"RegDB Key: Software\\Zorl", "RegDB Val: 1", "RegDB Name: N", "RegDB Type: 3", "RegDB Root: 2"},
       {"reg key=Software\\Zorl data=1 name=N type=3 root=2"}},
      {"defaults", {"RegDB Key: K", "RegDB Val: v"}, {"reg key=K data=v type=0 root=0"}},
      {"key dropped without data; the file line is read", {"RegDB Key: K", "File Copy: C:\\A"}, {"copy path=C:\\A"}},
      {"second data line skipped", {"RegDB Key: K", "RegDB Val: one", "RegDB Val: two", "RegDB Name: N"},
       {"reg key=K data=one name=N type=0 root=0"}},
      {"old lines form a list", {"RegDB Key: K", "RegDB Val: a", "RegDB Type: 2", "RegDB Old: x", "RegDB Old: y", "Made Dir: C:\\D"},
       {"reg key=K data=a type=2 root=0 old=x,y", "madedir value=C:\\D"}},
      {"lines out of order end the group", {"RegDB Key: K", "RegDB Val: a", "RegDB Root: 1", "RegDB Name: N"},
       {"reg key=K data=a type=0 root=1"}},
      {"numbers: blanks, signs, no digits", {"RegDB Key: K", "RegDB Val: a", "RegDB Type:  +4x", "RegDB Root: -2"},
       {"reg key=K data=a type=4 root=-2"}},
      {"no digits reads as 0", {"RegDB Key: K", "RegDB Val: a", "RegDB Root: two"}, {"reg key=K data=a type=0 root=0"}},
      {"tree with and without root", {"RegDB Tree: T1", "RegDB Root: 3", "RegDB Tree: T2", "File Copy: C:\\A"},
       {"tree key=T1 root=3", "tree key=T2 root=0", "copy path=C:\\A"}},
  });
}

TEST(LogGrammar, IniExecuteIconAndSimpleRecords) {
  CheckBodies({
      {"INI entry with old value", {"INI File: C:\\W\\A.INI", "INI Sect: S", "INI Item: I", "INI Val: v", "INI Old: o"},
       {"ini file=C:\\W\\A.INI sect=S item=I old=o"}},
      {"INI entry without old value", {"INI File: C:\\A.INI", "INI Sect: S", "INI Item: I", "INI Val: v", "File Copy: C:\\A"},
       {"ini file=C:\\A.INI sect=S item=I old=", "copy path=C:\\A"}},
      {"INI entry missing its value line", {"INI File: C:\\A.INI", "INI Sect: S", "INI Item: I", "File Copy: C:\\A"},
       {"copy path=C:\\A"}},
      {"INI New completed by INI File skips the entry lines",
       {"INI New: ", "INI File: C:\\N.INI", "INI Sect: S", "INI Item: I", "INI Val: v", "INI Old: o", "INI File: C:\\E.INI",
        "INI Sect: S2", "INI Item: I2", "INI Val: v2"},
       {"ininew path=C:\\N.INI", "ini file=C:\\E.INI sect=S2 item=I2 old="}},
      {"INI New without INI File", {"INI New: ", "File Copy: C:\\A"}, {"copy path=C:\\A"}},
      {"programs", {"Execute Path: A.EXE /x", "Execute Name: Cleaner", "Execute Program: B.EXE", "Made Dir: C:\\D"},
       {"program path=A.EXE /x name=Cleaner", "program path=B.EXE", "madedir value=C:\\D"}},
      {"icons need name and command", {"Icon Group: G", "Icon Name: N", "Icon Cmd: C", "Icon Group: G2", "Icon Cmd: C"},
       {"icon group=G name=N cmd=C"}},
      {"simple values",
       {"Create Service: Svc", "Add Device: C:\\D.386", "Self-Register: C:\\S.DLL", "SubSystem: BDE", "subsystem: xyz",
        "File Tree: C:\\T\\*.*", "Source: A:\\SETUP.EXE | 01-01-1999 | 10:00:00 | 5", "Uninstall MIF: Z.MIF",
        "Manufacturer: M", "Product: P", "Version Number: 1", "Serial Number: 2", "User Rights: Admin",
        "User Rights: Admin2", "Per-User ID: bob", "Delete in-use files: On", "Title: Second", "Unknown: line"},
       {"service value=Svc", "device value=C:\\D.386", "selfreg value=C:\\S.DLL", "subsystem value=BDE",
        "filetree value=C:\\T\\*.*", "source value=A:\\SETUP.EXE | 01-01-1999 | 10:00:00 | 5", "mif value=Z.MIF",
        "manufacturer value=M", "product value=P", "version value=1", "serial value=2", "admin", "peruser value=bob",
        "inuse value=On"}},
  });
}

TEST(LogGrammar, IniGroupOnAFloppyDropsTheNextLine) {
  CheckBodies({{"floppy INI file",
                {"INI File: A:\\X.INI", "File Copy: C:\\LOST", "INI Item: I", "File Copy: C:\\KEPT"},
                {"copy path=C:\\KEPT"}},
               {"other drives are read", {"INI File: C:\\X.INI", "INI Sect: S", "INI Item: I", "INI Val: v"},
                {"ini file=C:\\X.INI sect=S item=I old="}}},
              true);
}

TEST(LogGrammar, SectionsCarryTheirCodePageAndOffset) {
  std::string bytes = "***  first\r\nTitle: T\r\nFile Copy: C:\\A\r\n*** second\r\nFile Copy: C:\\B\r\n***  third\r\n"
                      "File Copy: C:\\C";
  Parsed p = Parse(bytes);
  EXPECT_EQ((std::vector<std::string>{"copy path=C:\\A", "section offset=39 oem", "copy path=C:\\B oem", "section offset=68",
                                      "copy path=C:\\C"}),
            p.records);
}

TEST(LogGrammar, OldValueListIsCutToItsSizeAndStaysTerminated) {
  std::vector<std::string> lines = {"RegDB Key: K", "RegDB Val: v"};
  for (int i = 0; i < 5; ++i) lines.push_back("RegDB Old: " + std::string(600, static_cast<char>('a' + i)));
  GrammarOver over(AnsiHead + Join(lines), false);
  LogGrammar& grammar = over.grammar;
  char title[64];
  bool ansi;
  ASSERT_EQ(HeaderResult::Valid, grammar.ReadHeader(title, sizeof title, &ansi));
  std::unique_ptr<LogRecord> r(new LogRecord());
  ASSERT_TRUE(grammar.Next(*r));
  std::vector<std::string> olds;
  const char* p = r->OldValues;
  for (; *p; p += std::strlen(p) + 1) olds.push_back(p);
  ASSERT_EQ(4u, olds.size());
  EXPECT_EQ(std::string(600, 'a'), olds[0]);
  EXPECT_EQ(std::string(2048 - 3 * 601 - 2, 'd'), olds[3]);
  EXPECT_EQ(2047, p - r->OldValues);  // the closing empty string is the last byte
  EXPECT_EQ(std::string(600, 'a'), r->FirstOld);
}
}  // namespace
