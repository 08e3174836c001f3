// The log grammar: keyword matching, groups and look-ahead over ReadTextLine.
#include "log/log_grammar.h"

#include <cstring>

#include "app/char_text.h"
#include "log/bounded_text.h"

int32_t ParseLogNumber(const char* text) {
  while (*text == ' ' || *text == '\t') ++text;
  bool negative = *text == '-';
  if (*text == '-' || *text == '+') ++text;
  int64_t value = 0;
  for (; *text >= '0' && *text <= '9'; ++text) {
    if (value <= INT32_MAX) value = value * 10 + (*text - '0');
  }
  if (negative) value = -value;
  if (value > INT32_MAX) return INT32_MAX;
  if (value < INT32_MIN) return INT32_MIN;
  return static_cast<int32_t>(value);
}

bool IsFloppyPath(const char* path, bool removableA, bool removableB) {
  if (path[0] == '\0' || path[1] != ':') return false;
  char drive = path[0];
  return ((drive == 'A' || drive == 'a') && removableA) || ((drive == 'B' || drive == 'b') && removableB);
}

LogGrammar::LogGrammar(LineReaderState& reader, bool removableA, bool removableB)
    : reader_(reader), removableA_(removableA), removableB_(removableB) {
  line_[0] = '\0';
}

bool LogGrammar::Fetch() {
  if (pending_) {
    pending_ = false;
    return true;
  }
  if (ended_) return false;
  int more = ReadTextLine(line_, sizeof line_, reader_, false);
  if (more == 0) {
    ended_ = true;
    return line_[0] != '\0';  // a last line without a carriage return still counts
  }
  return true;
}

bool LogGrammar::FetchIf(const char* keyword) {
  if (!Fetch()) return false;
  if (StartsWithNoCase(line_, keyword)) return true;
  KeepPending();
  return false;
}

const char* LogGrammar::ValueAfter(const char* keyword) const {
  size_t n = std::strlen(keyword);
  return std::strlen(line_) >= n ? line_ + n : "";
}

HeaderResult LogGrammar::ReadHeader(char* title, size_t titleSize, bool* firstAnsi) {
  if (titleSize > 0) title[0] = '\0';
  bool got = Fetch();
  ansi_ = got && std::strlen(line_) > 4 && line_[4] == ' ';
  *firstAnsi = ansi_;
  if (!got || std::strncmp(line_, "*** ", 4) != 0) return HeaderResult::Invalid;
  while (Fetch()) {
    if (std::strncmp(line_, "Title:", 6) == 0) {  // letter case included
      CopyText(title, titleSize, std::strlen(line_) > 7 ? line_ + 7 : "");
      return HeaderResult::Valid;
    }
  }
  return HeaderResult::Invalid;
}

namespace {
// Keywords of the body in the order they are tried. Whole-line keywords must be the
// entire line; the others are prefixes. Letter case is ignored in both.
enum class Handler { File, RegValue, FileEdit, IniNew, IniEntry, Program, Icon, RegTree, Simple };
struct Keyword {
  const char* Text;
  bool WholeLine;
  Handler How;
  LogRecordKind Kind;
  size_t ValueOffset;  // where a simple record's value starts
};
const Keyword Keywords[] = {
    {"File Copy: ", false, Handler::File, LogRecordKind::File, 0},
    {"Shell Link: ", false, Handler::File, LogRecordKind::File, 0},
    {"File Overwrite: ", false, Handler::File, LogRecordKind::File, 0},
    {"RegDB Key: ", false, Handler::RegValue, LogRecordKind::RegValue, 0},
    {"File Edit: ", false, Handler::FileEdit, LogRecordKind::FileEdit, 0},
    {"Create Service: ", false, Handler::Simple, LogRecordKind::CreateService, 16},
    {"Add Device: ", false, Handler::Simple, LogRecordKind::AddDevice, 12},
    {"Self-Register: ", false, Handler::Simple, LogRecordKind::SelfRegister, 15},
    {"INI New: ", false, Handler::IniNew, LogRecordKind::IniNew, 0},
    {"INI File: ", false, Handler::IniEntry, LogRecordKind::IniEntry, 0},
    {"Execute Path: ", false, Handler::Program, LogRecordKind::Program, 0},
    {"Execute Program: ", false, Handler::Program, LogRecordKind::Program, 0},
    {"Icon Group: ", false, Handler::Icon, LogRecordKind::Icon, 0},
    {"SubSystem: B", false, Handler::Simple, LogRecordKind::SubSystem, 11},  // the name starts at "B"
    {"Made Dir: ", false, Handler::Simple, LogRecordKind::MadeDir, 10},
    {"File Tree: ", false, Handler::Simple, LogRecordKind::FileTree, 11},
    {"RegDB Tree: ", false, Handler::RegTree, LogRecordKind::RegTree, 0},
    {"*** ", false, Handler::Simple, LogRecordKind::Section, 4},
    {"Source: ", false, Handler::Simple, LogRecordKind::Source, 8},
    {"Uninstall MIF: ", false, Handler::Simple, LogRecordKind::MifFileName, 15},
    {"Manufacturer: ", false, Handler::Simple, LogRecordKind::MifManufacturer, 14},
    {"Product: ", false, Handler::Simple, LogRecordKind::MifProduct, 9},
    {"Version Number: ", false, Handler::Simple, LogRecordKind::MifVersion, 16},
    {"Serial Number: ", false, Handler::Simple, LogRecordKind::MifSerialNumber, 15},
    {"User Rights: Admin", true, Handler::Simple, LogRecordKind::UserRightsAdmin, 18},
    {"Per-User ID: ", false, Handler::Simple, LogRecordKind::PerUserId, 13},
    {"Delete in-use files: ", false, Handler::Simple, LogRecordKind::DeleteInUseFiles, 21},
};

// Appends one old-value line to the list, keeping room for the closing empty string.
// A line that does not fit is cut; once the list is full, later lines are dropped.
void AppendOldValue(char* list, size_t size, size_t& used, bool& full, const char* value) {
  if (full || used + 2 > size) {
    full = true;
    return;
  }
  size_t room = size - used - 2;  // characters that fit besides this terminator and the last
  size_t stored = CopyTextN(list + used, room + 1, value, room);
  if (value[stored] != '\0') full = true;
  used += stored + 1;
}
}  // namespace

bool LogGrammar::Next(LogRecord& r) {
  for (;;) {
    if (!Fetch()) return false;
    r.NonSystemMark = false;
    r.CounterIgnoredMark = false;
    if (CompareNoCase(line_, "Non-System File:") == 0) {
      r.NonSystemMark = true;
      if (!Fetch()) return false;
    }
    if (CompareNoCase(line_, "Shared DLL counter ignored:") == 0) {
      r.CounterIgnoredMark = true;
      if (!Fetch()) return false;
    }
    const Keyword* keyword = nullptr;
    for (const Keyword& k : Keywords) {
      if (k.WholeLine ? CompareNoCase(line_, k.Text) == 0 : StartsWithNoCase(line_, k.Text)) {
        keyword = &k;
        break;
      }
    }
    if (keyword == nullptr) continue;  // no keyword: the line is ignored

    r.Kind = keyword->Kind;
    if (r.Kind == LogRecordKind::Section) {
      ansi_ = std::strlen(line_) > 4 && line_[4] == ' ';
      r.Offset = reader_.LineStart;
    }
    r.Ansi = ansi_;
    bool produced = false;
    switch (keyword->How) {
      case Handler::File: produced = ReadFileLine(r); break;
      case Handler::RegValue: produced = ReadRegValueGroup(r); break;
      case Handler::FileEdit: produced = ReadFileEdit(r); break;
      case Handler::IniNew: produced = ReadIniNew(r); break;
      case Handler::IniEntry: produced = ReadIniEntry(r); break;
      case Handler::Program: produced = ReadProgram(r); break;
      case Handler::Icon: produced = ReadIcon(r); break;
      case Handler::RegTree: produced = ReadRegTree(r); break;
      case Handler::Simple:
        CopyText(r.Value, std::strlen(line_) >= keyword->ValueOffset ? line_ + keyword->ValueOffset : "");
        produced = true;
        break;
    }
    if (produced) return true;
  }
}

bool LogGrammar::ReadFileLine(LogRecord& r) {
  // Told apart by single characters, letter case included: "S" first is a shortcut,
  // a sixth character "C" a copy, anything else an overwrite.
  size_t offset;
  if (line_[0] == 'S') {
    r.FileKind = FileLineKind::ShellLink;
    offset = 12;
  } else if (line_[5] == 'C') {
    r.FileKind = FileLineKind::Copy;
    offset = 11;
  } else {
    r.FileKind = FileLineKind::Overwrite;
    offset = 16;
  }
  const char* bar = FindChar(line_, '|');
  size_t pathEnd = bar != nullptr ? static_cast<size_t>(bar - line_) : std::strlen(line_);
  if (bar != nullptr && pathEnd > 0 && line_[pathEnd - 1] == ' ') --pathEnd;  // one blank before "|"
  CopyTextN(r.Value, sizeof r.Value, pathEnd > offset ? line_ + offset : "", pathEnd > offset ? pathEnd - offset : 0);
  CopyText(r.Details, bar != nullptr ? bar + 1 : "");

  r.LinkInfo[0] = '\0';
  r.BackupPath[0] = '\0';
  r.HasBackupLine = false;
  if (FetchIf("Link Info: ")) CopyText(r.LinkInfo, ValueAfter("Link Info: "));
  if (FetchIf("Backup Copy: ")) {
    r.HasBackupLine = true;
    CopyText(r.BackupPath, ValueAfter("Backup Copy: "));
  }
  return true;
}

bool LogGrammar::ReadRegValueGroup(LogRecord& r) {
  CopyText(r.Value, ValueAfter("RegDB Key: "));
  if (!FetchIf("RegDB Val: ")) return false;  // no data: the key is dropped
  CopyText(r.Data, ValueAfter("RegDB Val: "));
  while (FetchIf("RegDB Val: ")) {
  }  // only the first data line of a group counts
  r.Name[0] = '\0';
  r.Type = 0;
  r.Root = 0;
  if (FetchIf("RegDB Name: ")) CopyText(r.Name, ValueAfter("RegDB Name: "));
  if (FetchIf("RegDB Type: ")) r.Type = ParseLogNumber(ValueAfter("RegDB Type: "));
  if (FetchIf("RegDB Root: ")) r.Root = ParseLogNumber(ValueAfter("RegDB Root: "));

  r.HasOld = false;
  r.FirstOld[0] = '\0';
  size_t used = 0;
  bool full = false;
  while (FetchIf("RegDB Old: ")) {
    const char* value = ValueAfter("RegDB Old: ");
    if (!r.HasOld) CopyText(r.FirstOld, value);
    r.HasOld = true;
    AppendOldValue(r.OldValues, sizeof r.OldValues, used, full, value);
  }
  r.OldValues[used] = '\0';
  return true;
}

bool LogGrammar::ReadFileEdit(LogRecord& r) {
  CopyText(r.Value, ValueAfter("File Edit: "));
  r.HasBackupLine = FetchIf("Backup Copy: ");
  CopyText(r.BackupPath, r.HasBackupLine ? ValueAfter("Backup Copy: ") : "");
  return true;
}

bool LogGrammar::ReadIniNew(LogRecord& r) {
  if (!FetchIf("INI File: ")) return false;
  CopyText(r.Value, ValueAfter("INI File: "));
  // The new file's entry lines are skipped up to the next "INI File: " or "INI New: ".
  while (Fetch()) {
    bool skipped = StartsWithNoCase(line_, "INI ") && FoldCharCase(static_cast<unsigned char>(line_[4])) != 'F' &&
                   FoldCharCase(static_cast<unsigned char>(line_[4])) != 'N';
    if (!skipped) {
      KeepPending();
      break;
    }
  }
  return true;
}

bool LogGrammar::ReadIniEntry(LogRecord& r) {
  CopyText(r.Value, ValueAfter("INI File: "));
  if (!Fetch()) return false;
  // On a floppy drive the line after is discarded and the rest read as ordinary lines.
  if (IsFloppyPath(r.Value, removableA_, removableB_)) return false;
  KeepPending();
  if (!FetchIf("INI Sect: ")) return false;
  CopyText(r.Section, ValueAfter("INI Sect: "));
  if (!FetchIf("INI Item: ")) return false;
  CopyText(r.Item, ValueAfter("INI Item: "));
  if (!FetchIf("INI Val: ")) return false;
  CopyText(r.OldValue, FetchIf("INI Old: ") ? ValueAfter("INI Old: ") : "");
  return true;
}

bool LogGrammar::ReadProgram(LogRecord& r) {
  // "Execute Program: " has "r" as its tenth character, "Execute Path: " does not.
  size_t offset = line_[9] == 'r' ? 17 : 14;
  CopyText(r.Value, std::strlen(line_) >= offset ? line_ + offset : "");
  r.HasName = FetchIf("Execute Name: ");
  CopyText(r.Name, r.HasName ? ValueAfter("Execute Name: ") : "");
  return true;
}

bool LogGrammar::ReadIcon(LogRecord& r) {
  CopyText(r.Value, ValueAfter("Icon Group: "));
  if (!FetchIf("Icon Name: ")) return false;
  CopyText(r.Name, ValueAfter("Icon Name: "));
  if (!FetchIf("Icon Cmd: ")) return false;
  CopyText(r.Command, ValueAfter("Icon Cmd: "));
  return true;
}

bool LogGrammar::ReadRegTree(LogRecord& r) {
  CopyText(r.Value, ValueAfter("RegDB Tree: "));
  r.Root = FetchIf("RegDB Root: ") ? ParseLogNumber(ValueAfter("RegDB Root: ")) : 0;
  return true;
}
