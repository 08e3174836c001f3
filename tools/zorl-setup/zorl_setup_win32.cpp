// zorl-setup: a small installer that really installs what a manifest describes and
// appends one section to the application's INSTALL.LOG. With /X=LISTFILE it extracts
// again the files a repair list names. See README.md in this folder for the manifest.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/common/directive.h"
#include "tools/common/dos_time.h"
#include "tools/common/expand.h"
#include "tools/common/payload.h"
#include "tools/common/system_win32.h"
#include "tools/zorl-setup/install_actions_win32.h"
#include "tools/zorl-setup/list_file.h"
#include "tools/zorl-setup/log_section.h"
#include "tools/zorl-setup/reg_data.h"

namespace {

const char DefaultDate[] = "01-02-2003";
const char DefaultTime[] = "04:05:06";

// Why a directive failed: printed with the manifest's name and line.
struct Failure {
  std::string What;
  DWORD Error = 0;
};

std::string OemText(const std::string& ansi) {
  std::string out(ansi.size(), '\0');
  if (!ansi.empty()) CharToOemBuffA(ansi.c_str(), &out[0], static_cast<DWORD>(ansi.size()));
  return out;
}

std::string ShortPath(const std::string& path) {
  char buf[MAX_PATH];
  DWORD n = GetShortPathNameA(path.c_str(), buf, MAX_PATH);
  return (n > 0 && n < MAX_PATH) ? std::string(buf) : path;
}

class Installer {
 public:
  Installer(const std::string& manifestName, const std::string& uninstaller)
      : manifest_(manifestName), uninstaller_(uninstaller) {}

  int Run(const std::vector<Directive>& directives);

 private:
  bool Expand(Directive& d);
  bool Header(const std::vector<Directive>& directives);
  bool Perform(const Directive& d, Failure& f);
  bool Need(const Directive& d, size_t count, Failure& f);

  bool MakeDir(const std::string& path, Failure& f);
  bool PlaceFile(const Directive& d, bool logged, Failure& f);
  bool Shortcut(const Directive& d, Failure& f);
  bool EditFile(const Directive& d, Failure& f);
  bool RegValue(const Directive& d, bool logged, Failure& f);
  bool IniEntry(const Directive& d, bool logged, Failure& f);
  bool IniNew(const Directive& d, Failure& f);
  bool Uninstall(const Directive& d, Failure& f);
  bool WriteLog();

  std::string manifest_;
  std::string uninstaller_;
  std::string logPath_, appDir_;
  bool oem_ = false;
  std::string title_ = "Zorl Application Installation";
  std::string sourcePath_;
  bool sourceAttributes_ = true;
  LogSection* log_ = nullptr;
};

bool Installer::Expand(Directive& d) {
  TokenLookup lookup = [this](const std::string& name, std::string& value) {
    if (lstrcmpiA(name.c_str(), "APPDIR") == 0 && !appDir_.empty()) return value = appDir_, true;
    return SystemToken(name, value);
  };
  for (std::string& field : d.Fields) {
    std::string out, missing;
    if (!ExpandTokens(field, lookup, out, missing)) {
      fprintf(stderr, "zorl-setup: %s:%d: unknown token %%%s%%\n", manifest_.c_str(), d.Line, missing.c_str());
      return false;
    }
    field = out;
  }
  return true;
}

bool Installer::Header(const std::vector<Directive>& directives) {
  for (Directive d : directives) {
    if (d.Keyword != "log" && d.Keyword != "section" && d.Keyword != "title" && d.Keyword != "source" &&
        d.Keyword != "uninstaller")
      continue;
    if (!Expand(d)) return false;
    std::string value = d.Fields.empty() ? std::string() : d.Fields[0];
    if (d.Keyword == "log") {
      logPath_ = value;
      appDir_ = DirectoryOf(value);
    } else if (d.Keyword == "section") {
      oem_ = lstrcmpiA(value.c_str(), "oem") == 0;
    } else if (d.Keyword == "title") {
      title_ = value;
    } else if (d.Keyword == "source") {
      sourcePath_ = value;
      sourceAttributes_ = !d.HasFlag("noattributes");
    } else if (uninstaller_.empty()) {
      uninstaller_ = value;
    }
  }
  if (logPath_.empty() || appDir_.empty()) {
    fprintf(stderr, "zorl-setup: %s: no \"log\" line with the full path of INSTALL.LOG\n", manifest_.c_str());
    return false;
  }
  return true;
}

bool Installer::Need(const Directive& d, size_t count, Failure& f) {
  if (d.Fields.size() >= count && !d.Fields[0].empty()) return true;
  f.What = "\"" + d.Keyword + "\" needs " + std::to_string(count) + " field(s)";
  return false;
}

bool Installer::MakeDir(const std::string& path, Failure& f) {
  // Every missing directory along the path is created and logged, outermost first.
  std::string dir = path;
  while (dir.size() > 3 && dir.back() == '\\') dir.pop_back();
  std::vector<std::string> missing;
  for (std::string p = dir; p.size() > 3 && !PathExists(p); p = DirectoryOf(p)) missing.insert(missing.begin(), p);
  for (const std::string& p : missing) {
    if (!CreateDirectoryA(p.c_str(), nullptr)) {
      f.What = "cannot create directory " + p;
      f.Error = GetLastError();
      return false;
    }
    log_->MadeDir(p);
  }
  if (!IsDirectory(dir)) {
    f.What = dir + " is not a directory";
    return false;
  }
  return true;
}

// Writes a file from generated payload or from another file, stamps it, and (when
// logged) writes its file line with the details read back from the disk.
bool Installer::PlaceFile(const Directive& d, bool logged, Failure& f) {
  if (!Need(d, 1, f)) return false;
  const std::string& path = d.Fields[0];
  Stamp stamp;
  if (!ParseDate(d.OptionOr("date", DefaultDate), stamp) || !ParseTime(d.OptionOr("time", DefaultTime), stamp)) {
    f.What = "date must be MM-DD-YYYY and time HH:MM:SS";
    return false;
  }
  std::string from = d.OptionOr("from", "");
  std::string sizeText = d.OptionOr("size", "");
  if (from.empty() && sizeText.empty()) {
    f.What = "a file needs size=N or from=PATH";
    return false;
  }

  FileRecord record;
  record.Kind = d.Keyword == "overwrite" ? FileLineKind::Overwrite : FileLineKind::Copy;
  record.Path = path;
  record.NonSystem = d.HasFlag("nonsystem");
  record.CounterIgnored = d.HasFlag("nocount");
  std::string backup = d.OptionOr("backup", "");
  if (!backup.empty() && PathExists(path)) {
    CreateParentDirs(backup);
    if (!CopyFileA(path.c_str(), backup.c_str(), FALSE)) {
      f.What = "cannot copy " + path + " to its backup " + backup;
      f.Error = GetLastError();
      return false;
    }
    record.BackupPath = backup;
  }

  CreateParentDirs(path);
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  bool written;
  if (!from.empty()) {
    written = CopyFileA(from.c_str(), path.c_str(), FALSE) != FALSE;
  } else {
    std::string seed = d.OptionOr("seed", DefaultSeed(path));
    written = WriteWholeFile(path, MakePayload(seed, static_cast<uint32_t>(strtoul(sizeText.c_str(), nullptr, 10))));
  }
  if (!written || !SetFileStamp(path, stamp)) {
    f.What = "cannot write " + path;
    f.Error = GetLastError();
    return false;
  }
  DWORD attributes = 0;
  if (d.HasFlag("readonly")) attributes |= FILE_ATTRIBUTE_READONLY;
  if (d.HasFlag("hidden")) attributes |= FILE_ATTRIBUTE_HIDDEN;
  if (d.HasFlag("system")) attributes |= FILE_ATTRIBUTE_SYSTEM;
  if (attributes) SetFileAttributesA(path.c_str(), attributes);
  if (d.HasFlag("shared") && !RaiseSharedCount(path, f.Error)) {
    f.What = "cannot raise the shared count of " + path;
    return false;
  }
  if (!logged) return true;

  uint32_t size = 0, crc = 0;
  if (!ReadFileStamp(path, stamp, size, &crc)) {
    f.What = "cannot read back " + path;
    f.Error = GetLastError();
    return false;
  }
  if (!d.HasFlag("nodetails")) record.Details = FormatDetails(stamp, d.OptionOr("version", "1.0"), size, crc);
  log_->File(record);
  return true;
}

bool Installer::Shortcut(const Directive& d, Failure& f) {
  if (!Need(d, 1, f)) return false;
  const std::string& path = d.Fields[0];
  ShortcutFields s;
  s.Target = d.OptionOr("target", "");
  s.WorkDir = d.OptionOr("workdir", "");
  s.IconFile = d.OptionOr("icon", "");
  s.IconIndex = atoi(d.OptionOr("iconindex", "0").c_str());
  s.ShowCommand = atoi(d.OptionOr("show", "1").c_str());
  s.HotKey = atoi(d.OptionOr("hotkey", "0").c_str());
  s.Arguments = d.OptionOr("args", "");
  s.Description = d.OptionOr("desc", "");
  Stamp stamp;
  if (!ParseDate(d.OptionOr("date", DefaultDate), stamp) || !ParseTime(d.OptionOr("time", DefaultTime), stamp)) {
    f.What = "date must be MM-DD-YYYY and time HH:MM:SS";
    return false;
  }
  if (!SaveShortcut(path, s, f.Error) || !SetFileStamp(path, stamp)) {
    f.What = "cannot save the shortcut " + path;
    return false;
  }
  uint32_t size = 0, crc = 0;
  if (!ReadFileStamp(path, stamp, size, &crc)) {
    f.What = "cannot read back " + path;
    return false;
  }
  FileRecord record;
  record.Kind = FileLineKind::ShellLink;
  record.Path = path;
  record.Details = FormatDetails(stamp, d.OptionOr("version", "1.0"), size, crc);
  record.LinkInfo = FormatLinkInfo(s.Target, s.WorkDir, s.IconFile, s.IconIndex, s.ShowCommand, s.HotKey, s.Arguments);
  log_->File(record);
  return true;
}

bool Installer::EditFile(const Directive& d, Failure& f) {
  if (!Need(d, 1, f)) return false;
  const std::string& path = d.Fields[0];
  std::string backup = d.OptionOr("backup", "");
  std::string text;
  if (!ReadWholeFile(path, text)) {
    f.What = "cannot read " + path + " to edit it";
    f.Error = GetLastError();
    return false;
  }
  if (!backup.empty()) {
    CreateParentDirs(backup);
    if (!CopyFileA(path.c_str(), backup.c_str(), FALSE)) {
      f.What = "cannot copy " + path + " to its backup " + backup;
      f.Error = GetLastError();
      return false;
    }
  }
  SetFileAttributesA(path.c_str(), FILE_ATTRIBUTE_NORMAL);
  if (!WriteWholeFile(path, text + d.OptionOr("append", "; edited by zorl-setup") + "\r\n")) {
    f.What = "cannot write " + path;
    f.Error = GetLastError();
    return false;
  }
  log_->FileEdit(path, backup);
  return true;
}

// reg ROOT | KEY | NAME | TYPE | DATA [| DATA ...]
bool Installer::RegValue(const Directive& d, bool logged, Failure& f) {
  if (!Need(d, 4, f)) return false;
  RegRecord r;
  r.Root = ParseRegRoot(d.Fields[0]);
  r.Key = d.Fields[1];
  r.Name = d.Fields[2];
  r.Type = ParseRegType(d.Fields[3]);
  if (r.Root < 0 || r.Type < 0) {
    f.What = "unknown registry root or type";
    return false;
  }
  std::vector<std::string> texts(d.Fields.begin() + 4, d.Fields.end());
  int oldType = -1;
  std::vector<unsigned char> old;
  r.Existed = ReadRegValue(r.Root, r.Key, r.Name, oldType, old);
  if (r.Existed) r.OldLines = DecodeRegData(oldType < 0 ? 4 : oldType, old);
  std::vector<unsigned char> bytes = EncodeRegData(r.Type, texts);
  if (!WriteRegValueBytes(r.Root, r.Key, r.Name, r.Type, bytes, f.Error)) {
    f.What = "cannot write registry value " + r.Key + " " + r.Name;
    return false;
  }
  r.NewLines = DecodeRegData(r.Type, bytes);
  if (logged) log_->RegValue(r);
  return true;
}

// ini FILE | SECTION | ITEM | VALUE
bool Installer::IniEntry(const Directive& d, bool logged, Failure& f) {
  if (!Need(d, 4, f)) return false;
  std::string old;
  bool existed = ReadIniEntry(d.Fields[0], d.Fields[1], d.Fields[2], old);
  if (!WriteIniEntry(d.Fields[0], d.Fields[1], d.Fields[2], d.Fields[3], f.Error)) {
    f.What = "cannot write INI entry in " + d.Fields[0];
    return false;
  }
  if (logged) log_->IniEntry(d.Fields[0], d.Fields[1], d.Fields[2], d.Fields[3], existed, old);
  return true;
}

// ininew FILE [| SECTION | ITEM | VALUE]
bool Installer::IniNew(const Directive& d, Failure& f) {
  if (!Need(d, 1, f)) return false;
  const std::string& path = d.Fields[0];
  if (PathExists(path)) {
    f.What = path + " exists already; \"ininew\" creates a new INI file";
    return false;
  }
  std::vector<std::string> entry;
  if (d.Fields.size() >= 4) {
    entry.assign(d.Fields.begin() + 1, d.Fields.begin() + 4);
    if (!WriteIniEntry(path, entry[0], entry[1], entry[2], f.Error)) {
      f.What = "cannot write " + path;
      return false;
    }
  } else {
    CreateParentDirs(path);
    if (!WriteWholeFile(path, "")) {
      f.What = "cannot create " + path;
      f.Error = GetLastError();
      return false;
    }
  }
  log_->IniNew(path, entry);
  return true;
}

// uninstall KEYNAME [| DISPLAY NAME]: UNZORL32.EXE beside the log, and the entry in the
// system's list of installed software that starts it with the log's path.
bool Installer::Uninstall(const Directive& d, Failure& f) {
  if (!Need(d, 1, f)) return false;
  if (uninstaller_.empty()) {
    f.What = "\"uninstall\" needs UNZORL32.EXE: an \"uninstaller\" line or the /U= option";
    return false;
  }
  std::string target = appDir_ + "\\UNZORL32.EXE";
  Directive copy;
  copy.Line = d.Line;
  copy.Keyword = "copy";
  copy.Fields = {target, "from=" + uninstaller_};
  if (!PlaceFile(copy, true, f)) return false;

  std::string key = "Software\\Microsoft\\Windows\\CurrentVersion\\Uninstall\\" + d.Fields[0];
  std::string display = d.Fields.size() > 1 ? d.Fields[1] : title_;
  std::string command = ShortPath(target) + " " + ShortPath(appDir_) + "\\" + logPath_.substr(appDir_.size() + 1);
  Directive value;
  value.Line = d.Line;
  value.Fields = {"2", key, "DisplayName", "0", display};
  if (!RegValue(value, true, f)) return false;
  value.Fields = {"2", key, "UninstallString", "0", command};
  return RegValue(value, true, f);
}

bool Installer::Perform(const Directive& d, Failure& f) {
  const std::string& k = d.Keyword;
  const std::string first = d.Fields.empty() ? std::string() : d.Fields[0];
  if (k == "log" || k == "section" || k == "title" || k == "source" || k == "uninstaller") return true;
  if (k == "dir") return Need(d, 1, f) && MakeDir(first, f);
  if (k == "tree") {
    if (!Need(d, 1, f)) return false;
    std::string dir = first;
    if (dir.size() > 4 && dir.compare(dir.size() - 4, 4, "\\*.*") == 0) dir.resize(dir.size() - 4);
    CreateParentDirs(dir + "\\");
    if (!IsDirectory(dir)) {
      f.What = "cannot create directory " + dir;
      f.Error = GetLastError();
      return false;
    }
    log_->FileTree(first);
    return true;
  }
  if (k == "copy" || k == "overwrite") return PlaceFile(d, true, f);
  if (k == "prefile") return PlaceFile(d, false, f);
  if (k == "link") return Shortcut(d, f);
  if (k == "edit") return EditFile(d, f);
  if (k == "reg") return RegValue(d, true, f);
  if (k == "prereg") return RegValue(d, false, f);
  if (k == "regtree") {
    if (!Need(d, 2, f)) return false;
    int root = ParseRegRoot(first);
    if (root < 0 || !CreateRegKey(root, d.Fields[1], f.Error)) {
      f.What = "cannot create registry key " + d.Fields[1];
      return false;
    }
    log_->RegTree(root, d.Fields[1]);
    return true;
  }
  if (k == "ini") return IniEntry(d, true, f);
  if (k == "preini") return IniEntry(d, false, f);
  if (k == "ininew") return IniNew(d, f);
  if (k == "icon") {
    if (!Need(d, 3, f)) return false;
    if (!AddProgmanItem(first, d.Fields[1], d.Fields[2], f.Error)) {
      f.What = "Program Manager did not take the item " + d.Fields[1];
      return false;
    }
    log_->Icon(first, d.Fields[1], d.Fields[2]);
    return true;
  }
  if (k == "service") {
    if (!Need(d, 2, f)) return false;
    if (!CreateServiceEntry(first, d.Fields[1], d.Fields.size() > 2 ? d.Fields[2] : std::string(), f.Error)) {
      f.What = "cannot create service " + first;
      return false;
    }
    log_->Service(first);
    return true;
  }
  if (k == "device") {
    if (!Need(d, 1, f)) return false;
    if (!AddDevice(first, f.Error)) {
      f.What = "cannot add the device line to SYSTEM.INI";
      return false;
    }
    log_->Device(first);
    return true;
  }
  if (k == "selfreg") {
    if (!Need(d, 1, f)) return false;
    if (!RegisterServer(first, f.Error)) {
      f.What = "registration of " + first + " failed";
      return false;
    }
    log_->SelfRegister(first);
    return true;
  }
  if (k == "execute") {
    if (!Need(d, 1, f)) return false;
    log_->Execute(first, d.Fields.size() > 1 ? d.Fields[1] : std::string());
    return true;
  }
  if (k == "subsystem") {
    if (!Need(d, 1, f)) return false;
    if (first[0] != 'B') {
      f.What = "a sub-system name begins with \"B\"";
      return false;
    }
    if (!RaiseSubSystemCount(f.Error)) {
      f.What = "cannot raise the database engine's use count";
      return false;
    }
    log_->SubSystem(first);
    return true;
  }
  if (k == "peruser") return Need(d, 1, f) && (log_->PerUserId(first), true);
  if (k == "admin") return log_->AdminRights(), true;
  if (k == "deleteinuse") return log_->DeleteInUseFiles(lstrcmpiA(first.c_str(), "off") != 0), true;
  static const char* const mif[][2] = {{"mif", "Uninstall MIF"},   {"manufacturer", "Manufacturer"},
                                       {"product", "Product"},     {"version", "Version Number"},
                                       {"serial", "Serial Number"}};
  for (const auto& m : mif)
    if (k == m[0]) return log_->Mif(m[1], first), true;
  if (k == "line") return log_->Raw(first), true;
  if (k == "uninstall") return Uninstall(d, f);
  f.What = "unknown directive \"" + k + "\"";
  return false;
}

bool Installer::WriteLog() {
  CreateParentDirs(logPath_);
  HANDLE h = CreateFileA(logPath_.c_str(), GENERIC_WRITE, 0, nullptr, OPEN_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
  if (h == INVALID_HANDLE_VALUE) return false;
  SetFilePointer(h, 0, nullptr, FILE_END);
  DWORD put = 0;
  const std::string& text = log_->Text();
  BOOL ok = WriteFile(h, text.data(), static_cast<DWORD>(text.size()), &put, nullptr);
  CloseHandle(h);
  return ok && put == text.size();
}

int Installer::Run(const std::vector<Directive>& directives) {
  if (!Header(directives)) return 2;

  // A log that is missing or empty gets its first section, with the title line.
  WIN32_FILE_ATTRIBUTE_DATA data;
  bool first = !GetFileAttributesExA(logPath_.c_str(), GetFileExInfoStandard, &data) ||
               (data.nFileSizeLow == 0 && data.nFileSizeHigh == 0);
  LogSection section(oem_, "Zorl Setup installation log", OemText);
  log_ = &section;
  if (first) section.Title(title_);

  char self[MAX_PATH];
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string source = sourcePath_.empty() ? std::string(self) : sourcePath_;
  Stamp stamp;
  uint32_t size = 0;
  std::string attributes;
  if (sourceAttributes_ && ReadFileStamp(source, stamp, size, nullptr)) attributes = FormatSourceAttributes(stamp, size);
  section.Source(source, attributes);

  int result = 0;
  const int family = PlatformFamily();
  for (Directive d : directives) {
    Failure f;
    if (d.Family != 0 && d.Family != family) continue;
    if (!Expand(d)) {
      result = 2;
      break;
    }
    if (!Perform(d, f)) {
      fprintf(stderr, "zorl-setup: %s:%d: %s", manifest_.c_str(), d.Line, f.What.c_str());
      if (f.Error) fprintf(stderr, " (error %lu)", static_cast<unsigned long>(f.Error));
      fprintf(stderr, "\n");
      result = 1;
      break;
    }
  }
  // What was done is logged, also when a later directive failed.
  if (!WriteLog()) {
    fprintf(stderr, "zorl-setup: cannot append to %s (error %lu)\n", logPath_.c_str(), GetLastError());
    return 1;
  }
  return result;
}

// /X=LISTFILE: every listed file is made again from its generated payload, which must
// have the listed size and checksum, and gets the listed date and time.
int Extract(const std::string& listPath) {
  std::string text;
  if (!ReadWholeFile(listPath, text)) {
    fprintf(stderr, "zorl-setup: cannot read list file %s\n", listPath.c_str());
    return 1;
  }
  int result = 0;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    start = end + 1;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    if (line.empty()) continue;
    ListEntry e;
    if (!ParseListLine(line, e)) {
      fprintf(stderr, "zorl-setup: %s: not a list line: %s\n", listPath.c_str(), line.c_str());
      result = 1;
      continue;
    }
    std::string bytes = MakePayload(DefaultSeed(e.Path), e.Size);
    if (Crc32(bytes.data(), bytes.size()) != e.Crc) {
      fprintf(stderr, "zorl-setup: %s: no payload of size %lu with checksum %lx\n", e.Path.c_str(),
              static_cast<unsigned long>(e.Size), static_cast<unsigned long>(e.Crc));
      result = 1;
      continue;
    }
    CreateParentDirs(e.Path);
    SetFileAttributesA(e.Path.c_str(), FILE_ATTRIBUTE_NORMAL);
    if (!WriteWholeFile(e.Path, bytes) || !SetFileStamp(e.Path, UnpackDos(e.DosDate, e.DosTime))) {
      fprintf(stderr, "zorl-setup: cannot write %s (error %lu)\n", e.Path.c_str(), GetLastError());
      result = 1;
      continue;
    }
    printf("extracted %s\n", e.Path.c_str());
  }
  return result;
}

int Usage() {
  fprintf(stderr,
          "usage: zorl-setup [/U=UNZORL32.EXE] MANIFEST   install and append a section to the log\n"
          "       zorl-setup /X=LISTFILE                  extract the listed files again\n");
  return 2;
}

bool StartsWithOption(const char* arg, const char* option) { return _strnicmp(arg, option, strlen(option)) == 0; }

}  // namespace

int main(int argc, char** argv) {
  std::string uninstaller, manifest;
  for (int i = 1; i < argc; ++i) {
    if (StartsWithOption(argv[i], "/X=")) {
      // The rest of the command line is the list's path (repair does not quote it).
      const char* line = GetCommandLineA();
      const char* x = line;
      while (*x && !StartsWithOption(x, "/X=")) ++x;
      std::string list = x + 3;
      while (!list.empty() && (list.back() == ' ' || list.back() == '"')) list.pop_back();
      if (!list.empty() && list[0] == '"') list.erase(0, 1);
      return list.empty() ? Usage() : Extract(list);
    }
    if (StartsWithOption(argv[i], "/U="))
      uninstaller = argv[i] + 3;
    else if (manifest.empty())
      manifest = argv[i];
    else
      return Usage();
  }
  if (manifest.empty()) return Usage();
  std::string text;
  if (!ReadWholeFile(manifest, text)) {
    fprintf(stderr, "zorl-setup: cannot read manifest %s\n", manifest.c_str());
    return 2;
  }
  Installer installer(manifest, uninstaller);
  return installer.Run(ParseDirectives(text));
}
