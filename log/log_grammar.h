// The grammar of INSTALL.LOG: lines, sections and their code pages, keywords, groups with
// their follow-up lines and look-ahead. Turns the bytes of a log into records without
// asking the system anything; what the records mean is the reader's business.
#pragma once
#include <cstddef>
#include <cstdint>

#include "log/path_helpers.h"

const size_t LogLineSize = 2048;      // a line holds at most 2047 characters
const size_t OldValuesSize = 2048;    // the "RegDB Old: " lines of a group, each terminated, then ""

enum class LogRecordKind {
  File,            // "File Copy: ", "Shell Link: ", "File Overwrite: " with their follow-up lines
  RegValue,        // "RegDB Key: " group
  FileEdit,        // "File Edit: " [ "Backup Copy: " ]
  CreateService,
  AddDevice,
  SelfRegister,
  IniNew,          // "INI New: " completed by "INI File: "
  IniEntry,        // "INI File: " group
  Program,         // "Execute Path: " or "Execute Program: " [ "Execute Name: " ]
  Icon,            // "Icon Group: ", "Icon Name: ", "Icon Cmd: "
  SubSystem,
  MadeDir,
  FileTree,
  RegTree,         // "RegDB Tree: " [ "RegDB Root: " ]
  Section,         // a "*** " header in the body
  Source,
  MifFileName,
  MifManufacturer,
  MifProduct,
  MifVersion,
  MifSerialNumber,
  UserRightsAdmin,
  PerUserId,
  DeleteInUseFiles,
};

enum class FileLineKind { Copy, ShellLink, Overwrite };

// One record of the log. Value is the keyword's value: the path of a file line (before
// its "|"), a key, a directory, a name. The other texts belong to the kinds named.
struct LogRecord {
  LogRecordKind Kind;
  bool Ansi;  // the record's section is in the ANSI code page (else OEM)
  char Value[LogLineSize];

  // File lines.
  FileLineKind FileKind;
  bool NonSystemMark;       // the line before was "Non-System File:"
  bool CounterIgnoredMark;  // the line before was "Shared DLL counter ignored:"
  char Details[LogLineSize];
  char LinkInfo[LogLineSize];
  bool HasBackupLine;       // also for "File Edit: "
  char BackupPath[LogLineSize];

  // Registry value group (Value = key) and "RegDB Tree: " (Value = key, Root).
  char Data[LogLineSize];
  char Name[LogLineSize];
  int32_t Type;
  int32_t Root;
  bool HasOld;
  char OldValues[OldValuesSize];  // terminated strings, then an empty one
  char FirstOld[LogLineSize];

  // INI entry group (Value = INI file): section, item and the old value ("" = none).
  char Section[LogLineSize];
  char Item[LogLineSize];
  char OldValue[LogLineSize];

  // "Execute ...": Name and HasName. "Icon Group: ": Value = group, Name, Command.
  bool HasName;
  char Command[LogLineSize];

  // "*** ": offset of the header's first character in the file.
  uint64_t Offset;
};

// A registry root or type number: the decimal digits at the start of text, after blanks
// and a sign; 0 without digits. Values beyond the 32-bit range are held at its ends.
int32_t ParseLogNumber(const char* text);

// True when path names drive A: (or B:) and that drive was found removable.
bool IsFloppyPath(const char* path, bool removableA, bool removableB);

enum class HeaderResult { Valid, Invalid };

class LogGrammar {
 public:
  // reader's Source and Block must be set. removableA/B tell which floppy drives exist:
  // an INI entry group on a floppy drive is skipped.
  LogGrammar(LineReaderState& reader, bool removableA, bool removableB);

  // The first line and the title line. On Valid, title holds the text from the title
  // line's eighth character and firstAnsi the code page of section 1; on Invalid the first
  // line did not begin with "*** " or no line began with "Title:". firstAnsi is set in
  // either case once a first line was read.
  HeaderResult ReadHeader(char* title, size_t titleSize, bool* firstAnsi);

  // The next record of the body; false at the end of the file.
  bool Next(LogRecord& record);

 private:
  bool Fetch();                       // the pending line, else the next line; false at the end
  void KeepPending() { pending_ = true; }
  bool FetchIf(const char* keyword);  // fetches; true when the line begins with keyword, else pending
  const char* ValueAfter(const char* keyword) const;

  bool ReadFileLine(LogRecord& record);
  bool ReadRegValueGroup(LogRecord& record);
  bool ReadFileEdit(LogRecord& record);
  bool ReadIniNew(LogRecord& record);
  bool ReadIniEntry(LogRecord& record);
  bool ReadProgram(LogRecord& record);
  bool ReadIcon(LogRecord& record);
  bool ReadRegTree(LogRecord& record);
  bool ReadSimple(LogRecord& record);

  LineReaderState& reader_;
  bool removableA_;
  bool removableB_;
  char line_[LogLineSize];
  bool pending_ = false;
  bool ended_ = false;
  bool ansi_ = false;
};
