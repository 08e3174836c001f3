// zorl-check: checks what a Windows system holds against an expectation file, all in
// one process, and says for every difference what was expected and what was found.
// See README.md in this folder for the directives.
#include <windows.h>
#include <objbase.h>
#include <shlobj.h>

#include <cstdarg>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <vector>

#include "tools/common/directive.h"
#include "tools/common/dos_time.h"
#include "tools/common/expand.h"
#include "tools/common/glob.h"
#include "tools/common/json_match.h"
#include "tools/common/payload.h"
#include "tools/common/system_win32.h"
#include "tools/zorl-setup/install_actions_win32.h"
#include "tools/zorl-setup/reg_data.h"

namespace {

class Checker {
 public:
  explicit Checker(const std::string& name) : name_(name) {}
  void Run(const std::string& text);
  int Result() const;

 private:
  void Check(const Directive& d, const std::vector<std::string>& block);
  void Fail(const char* format, ...);
  bool Expect(bool ok, const std::string& what, const std::string& expected, const std::string& found);

  void CheckFile(const Directive& d);
  void CheckRegValue(const Directive& d);
  void CheckIni(const Directive& d);
  void CheckService(const Directive& d, bool present);
  void CheckLink(const Directive& d);
  void CheckLines(const Directive& d, const std::vector<std::string>& block);
  void CheckContains(const Directive& d, bool present);
  void CheckSections(const Directive& d);
  void CheckDetails(const Directive& d);
  bool ReadJson(const std::string& path, JsonValue& value);
  void CheckJson(const Directive& d);
  void CheckJsonValue(const Directive& d);

  std::string name_;
  int line_ = 0;
  int checks_ = 0;
  int failures_ = 0;
  bool broken_ = false;  // the expectation file itself is wrong
  int family_ = PlatformFamily();
};

std::string ExpandOrKeep(const std::string& text, bool& ok, std::string& missing) {
  std::string out;
  ok = ExpandTokens(text, SystemToken, out, missing);
  return out;
}

void Checker::Fail(const char* format, ...) {
  char buf[4096];
  va_list args;
  va_start(args, format);
  vsnprintf(buf, sizeof buf, format, args);
  va_end(args);
  printf("%s:%d: %s\n", name_.c_str(), line_, buf);
  ++failures_;
}

bool Checker::Expect(bool ok, const std::string& what, const std::string& expected, const std::string& found) {
  ++checks_;
  if (!ok) Fail("%s: expected %s, found %s", what.c_str(), expected.c_str(), found.c_str());
  return ok;
}

std::string Q(const std::string& s) { return "\"" + s + "\""; }

void Checker::CheckFile(const Directive& d) {
  const std::string& path = d.Fields[0];
  Stamp stamp;
  uint32_t size = 0, crc = 0;
  if (!Expect(ReadFileStamp(path, stamp, size, &crc), path, "a readable file", "none")) return;
  std::string v;
  if (!(v = d.OptionOr("size", "")).empty())
    Expect(strtoul(v.c_str(), nullptr, 10) == size, path + " size", v, std::to_string(size));
  char hex[16];
  snprintf(hex, sizeof hex, "%lx", static_cast<unsigned long>(crc));
  if (!(v = d.OptionOr("crc", "")).empty()) Expect(strtoul(v.c_str(), nullptr, 16) == crc, path + " crc", v, hex);
  if (d.HasFlag("payload")) {
    std::string bytes = MakePayload(DefaultSeed(path), size);
    Expect(Crc32(bytes.data(), bytes.size()) == crc, path + " contents", "the generated payload of its name",
           std::string("other bytes (crc ") + hex + ")");
  }
  if (!(v = d.OptionOr("date", "")).empty()) Expect(v == FormatDate(stamp), path + " date", v, FormatDate(stamp));
  if (!(v = d.OptionOr("time", "")).empty()) Expect(v == FormatTime(stamp), path + " time", v, FormatTime(stamp));
  if (d.Option("attrib")) {
    DWORD a = GetFileAttributesA(path.c_str());
    std::string found;
    if (a & FILE_ATTRIBUTE_READONLY) found += 'R';
    if (a & FILE_ATTRIBUTE_HIDDEN) found += 'H';
    if (a & FILE_ATTRIBUTE_SYSTEM) found += 'S';
    if (found.empty()) found = "-";
    v = d.OptionOr("attrib", "");
    Expect(v == found, path + " attributes", v, found);
  }
  if (d.Option("content")) {
    std::string bytes;
    ReadWholeFile(path, bytes);
    v = d.OptionOr("content", "");
    Expect(GlobMatch(v, bytes), path + " contents", Q(v), Q(bytes.substr(0, 200)));
  }
}

void Checker::CheckRegValue(const Directive& d) {
  int root = ParseRegRoot(d.Fields[0]), type = ParseRegType(d.Fields[3]);
  if (root < 0 || type < 0) {
    Fail("unknown registry root or type");
    broken_ = true;
    return;
  }
  std::string what = d.Fields[0] + "\\" + d.Fields[1] + " value " + Q(d.Fields[2]);
  int foundType = -1;
  std::vector<unsigned char> data;
  if (!Expect(ReadRegValue(root, d.Fields[1], d.Fields[2], foundType, data), what, "a value", "none")) return;
  // Texts are patterns ({*} and {?}); numbers and bytes are compared in their log form.
  std::vector<std::string> want(d.Fields.begin() + 4, d.Fields.end());
  if (type == 3 || type == 4) want = DecodeRegData(type, EncodeRegData(type, want));
  std::vector<std::string> found = DecodeRegData(foundType < 0 ? 4 : foundType, data);
  bool same = foundType == type && want.size() == found.size();
  for (size_t i = 0; same && i < want.size(); ++i) same = GlobMatch(want[i], found[i]);
  std::string w, f;
  for (const std::string& s : want) w += (w.empty() ? "" : " | ") + Q(s);
  for (const std::string& s : found) f += (f.empty() ? "" : " | ") + Q(s);
  Expect(same, what, "type " + std::to_string(type) + " " + w, "type " + std::to_string(foundType) + " " + f);
}

void Checker::CheckIni(const Directive& d) {
  std::string value;
  bool present = ReadIniEntry(d.Fields[0], d.Fields[1], d.Fields[2], value);
  std::string what = d.Fields[0] + " [" + d.Fields[1] + "] " + d.Fields[2];
  if (d.Keyword == "noini")
    Expect(!present, what, "no entry", Q(value));
  else
    Expect(present && value == d.Fields[3], what, Q(d.Fields[3]), present ? Q(value) : "no entry");
}

void Checker::CheckService(const Directive& d, bool present) {
  SC_HANDLE manager = OpenSCManagerA(nullptr, nullptr, SC_MANAGER_CONNECT);
  SC_HANDLE service = manager ? OpenServiceA(manager, d.Fields[0].c_str(), SERVICE_QUERY_CONFIG) : nullptr;
  std::string binary;
  if (service) {
    char buf[8192];
    DWORD needed = 0;
    QUERY_SERVICE_CONFIGA* config = reinterpret_cast<QUERY_SERVICE_CONFIGA*>(buf);
    if (QueryServiceConfigA(service, config, sizeof buf, &needed) && config->lpBinaryPathName)
      binary = config->lpBinaryPathName;
    CloseServiceHandle(service);
  }
  if (manager) CloseServiceHandle(manager);
  std::string what = "service " + d.Fields[0];
  if (!present) {
    Expect(service == nullptr, what, "none", "one");
  } else if (Expect(service != nullptr, what, "one", "none") && d.Fields.size() > 1) {
    Expect(binary == d.Fields[1], what + " command", Q(d.Fields[1]), Q(binary));
  }
}

void Checker::CheckLink(const Directive& d) {
  const std::string& path = d.Fields[0];
  std::string bytes;
  if (!Expect(ReadWholeFile(path, bytes), path, "a shortcut", "none")) return;
  bool initialised = SUCCEEDED(CoInitialize(nullptr));
  IShellLinkA* link = nullptr;
  IPersistFile* file = nullptr;
  wchar_t wide[MAX_PATH];
  MultiByteToWideChar(CP_ACP, 0, path.c_str(), -1, wide, MAX_PATH);
  bool loaded = SUCCEEDED(CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkA,
                                           reinterpret_cast<void**>(&link))) &&
                SUCCEEDED(link->QueryInterface(IID_IPersistFile, reinterpret_cast<void**>(&file))) &&
                SUCCEEDED(file->Load(wide, STGM_READ));
  if (Expect(loaded, path, "a shortcut the shell link object loads", "none")) {
    // Each property named in the directive is read from the loaded shortcut and compared.
    char text[MAX_PATH * 2];
    int index = 0;
    auto compare = [&](const char* option, const char* what) {
      std::string v = d.OptionOr(option, "");
      Expect(v == text, path + " " + what, Q(v), Q(text));
    };
    if (d.Option("target")) {
      text[0] = 0;
      link->GetPath(text, sizeof text, nullptr, SLGP_RAWPATH);
      compare("target", "target");
    }
    if (d.Option("args")) {
      text[0] = 0;
      link->GetArguments(text, sizeof text);
      compare("args", "arguments");
    }
    if (d.Option("workdir")) {
      text[0] = 0;
      link->GetWorkingDirectory(text, sizeof text);
      compare("workdir", "working directory");
    }
    if (d.Option("desc")) {
      text[0] = 0;
      link->GetDescription(text, sizeof text);
      compare("desc", "description");
    }
    if (d.Option("icon")) {
      text[0] = 0;
      link->GetIconLocation(text, sizeof text, &index);
      compare("icon", "icon");
      if (d.Option("iconindex"))
        Expect(atoi(d.OptionOr("iconindex", "").c_str()) == index, path + " icon index", d.OptionOr("iconindex", ""),
               std::to_string(index));
    }
    WORD hotkey = 0;
    if (d.Option("hotkey") && SUCCEEDED(link->GetHotkey(&hotkey)))
      Expect(atoi(d.OptionOr("hotkey", "").c_str()) == hotkey, path + " hot key", d.OptionOr("hotkey", ""),
             std::to_string(hotkey));
    if (d.Option("show")) {
      // The show command is read from the file: Wine's loaded object always answers 1.
      DWORD show = bytes.size() >= 0x40 ? *reinterpret_cast<const DWORD*>(bytes.data() + 0x3C) : 0;
      Expect(static_cast<DWORD>(atoi(d.OptionOr("show", "").c_str())) == show, path + " show command",
             d.OptionOr("show", ""), std::to_string(show));
    }
  }
  if (file) file->Release();
  if (link) link->Release();
  if (initialised) CoUninitialize();
}

std::vector<std::string> SplitLines(const std::string& text) {
  std::vector<std::string> lines;
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    lines.push_back(line);
    start = end + 1;
  }
  return lines;
}

void Checker::CheckLines(const Directive& d, const std::vector<std::string>& block) {
  std::string text;
  if (!Expect(ReadWholeFile(d.Fields[0], text), d.Fields[0], "a readable file", "none")) return;
  std::vector<std::string> lines = SplitLines(text);
  size_t n = lines.size() < block.size() ? lines.size() : block.size();
  for (size_t i = 0; i < n; ++i)
    Expect(GlobMatch(block[i], lines[i]), d.Fields[0] + " line " + std::to_string(i + 1), Q(block[i]), Q(lines[i]));
  if (lines.size() != block.size()) {
    std::string extra = lines.size() > block.size() ? "first extra line " + Q(lines[n]) : "the file ends there";
    Expect(false, d.Fields[0] + " line count", std::to_string(block.size()),
           std::to_string(lines.size()) + " (" + extra + ")");
  }
}

void Checker::CheckContains(const Directive& d, bool present) {
  std::string text;
  if (!ReadWholeFile(d.Fields[0], text)) {
    Expect(!present, d.Fields[0], "a readable file", "none");
    return;
  }
  bool found = false;
  for (const std::string& line : SplitLines(text)) found = found || GlobMatch(d.Fields[1], line);
  Expect(found == present, d.Fields[0], (present ? "a line " : "no line ") + Q(d.Fields[1]),
         found ? "one" : "none");
}

// sections LOG | OFFSET,OFFSET,...: the byte offsets of the section headers ("*** " at
// the start of a line), which also tell how many sections there are.
void Checker::CheckSections(const Directive& d) {
  std::string text;
  if (!Expect(ReadWholeFile(d.Fields[0], text), d.Fields[0], "a readable file", "none")) return;
  std::string offsets;
  for (size_t pos = 0; pos < text.size();) {
    if (text.compare(pos, 4, "*** ") == 0) offsets += (offsets.empty() ? "" : ",") + std::to_string(pos);
    size_t cr = text.find('\r', pos);
    if (cr == std::string::npos) break;
    pos = cr + 1;
    if (pos < text.size() && text[pos] == '\n') ++pos;
  }
  Expect(offsets == d.Fields[1], d.Fields[0] + " section offsets", d.Fields[1], offsets.empty() ? "none" : offsets);
}

// details LOG: for every file the log names with details, the latest such line gives the
// file's date, time, size and CRC-32 as the disk has them, and every "Source: " line the
// installation file's attributes (what repair compares).
void Checker::CheckDetails(const Directive& d) {
  std::string text;
  if (!Expect(ReadWholeFile(d.Fields[0], text), d.Fields[0], "a readable file", "none")) return;
  std::vector<std::pair<std::string, std::vector<std::string>>> latest;  // path, fields; in log order
  for (const std::string& line : SplitLines(text)) {
    static const char* const keywords[] = {"File Copy: ", "File Overwrite: ", "Shell Link: "};
    size_t start = 0;
    for (const char* k : keywords)
      if (line.compare(0, strlen(k), k) == 0) start = strlen(k);
    size_t bar = line.find('|');
    if (start == 0 || bar == std::string::npos) continue;
    std::string path = line.substr(start, bar - start);
    if (!path.empty() && path.back() == ' ') path.pop_back();
    std::vector<std::string> fields;
    for (size_t pos = bar + 1; pos <= line.size();) {
      size_t next = line.find('|', pos);
      if (next == std::string::npos) next = line.size();
      std::string field = line.substr(pos, next - pos);
      while (!field.empty() && field[0] == ' ') field.erase(0, 1);
      while (!field.empty() && field.back() == ' ') field.pop_back();
      fields.push_back(field);
      pos = next + 1;
    }
    bool seen = false;
    for (auto& entry : latest)
      if (lstrcmpiA(entry.first.c_str(), path.c_str()) == 0) entry.second = fields, seen = true;
    if (!seen) latest.emplace_back(path, fields);
  }
  Expect(!latest.empty(), d.Fields[0], "file lines with details", "none");
  // Every "Source: " line with attributes names a file that has them now.
  for (const std::string& line : SplitLines(text)) {
    if (line.compare(0, 8, "Source: ") != 0) continue;
    size_t bar = line.find('|');
    if (bar == std::string::npos) continue;
    std::string path = line.substr(8, bar - 8);
    if (!path.empty() && path.back() == ' ') path.pop_back();
    std::string logged = line.substr(bar + 1);
    while (!logged.empty() && logged[0] == ' ') logged.erase(0, 1);
    Stamp stamp;
    uint32_t size = 0;
    if (!Expect(ReadFileStamp(path, stamp, size, nullptr), path, "a readable installation file", "none")) continue;
    Expect(logged == FormatSourceAttributes(stamp, size), path + " attributes", logged,
           FormatSourceAttributes(stamp, size));
  }
  for (const auto& entry : latest) {
    const std::string& path = entry.first;
    const std::vector<std::string>& fields = entry.second;
    if (!Expect(fields.size() == 5, path, "five details fields", std::to_string(fields.size()))) continue;
    Stamp stamp;
    uint32_t size = 0, crc = 0;
    if (!Expect(ReadFileStamp(path, stamp, size, &crc), path, "a readable file", "none")) continue;
    char hex[16];
    snprintf(hex, sizeof hex, "%lx", static_cast<unsigned long>(crc));
    std::string found = FormatDate(stamp) + " | " + FormatTime(stamp) + " | " + std::to_string(size) + " | " + hex;
    std::string logged = fields[0] + " | " + fields[1] + " | " + fields[3] + " | " + fields[4];
    Expect(found == logged, path + " date, time, size and crc", logged, found);
  }
}

bool Checker::ReadJson(const std::string& path, JsonValue& value) {
  std::string text, error;
  if (!Expect(ReadWholeFile(path, text), path, "a readable file", "none")) return false;
  return Expect(ParseJson(text, value, error), path, "JSON", error);
}

// json ACTUAL | EXPECTED: the expected document is a subset of the actual one (json_match.h).
void Checker::CheckJson(const Directive& d) {
  std::string expectedText, error;
  JsonValue actual, expected;
  if (!ReadWholeFile(d.Fields[1], expectedText) || !ParseJson(expectedText, expected, error)) {
    Fail("%s: not a readable JSON file: %s", d.Fields[1].c_str(), error.c_str());
    broken_ = true;
    return;
  }
  if (!ReadJson(d.Fields[0], actual)) return;
  std::vector<std::string> differences;
  auto expand = [](const std::string& s) {
    std::string out, missing;
    return ExpandTokens(s, SystemToken, out, missing) ? out : s;
  };
  JsonSubsetMatch(expected, actual, "", expand, differences);
  ++checks_;
  for (const std::string& diff : differences) Fail("%s: %s", d.Fields[0].c_str(), diff.c_str());
}

// jsonvalue ACTUAL | PATH | VALUE: one value, written as JSON (a number, "text", null ...).
void Checker::CheckJsonValue(const Directive& d) {
  JsonValue actual, expected;
  std::string error;
  if (!ParseJson(d.Fields[2], expected, error)) {
    Fail("not a JSON value: %s", d.Fields[2].c_str());
    broken_ = true;
    return;
  }
  if (!ReadJson(d.Fields[0], actual)) return;
  const JsonValue* found = JsonAt(actual, d.Fields[1]);
  if (!Expect(found != nullptr, d.Fields[0] + " " + d.Fields[1], d.Fields[2], "nothing")) return;
  std::vector<std::string> differences;
  JsonSubsetMatch(expected, *found, d.Fields[1], nullptr, differences);
  Expect(differences.empty(), d.Fields[0], d.Fields[1] + " = " + d.Fields[2], JsonText(*found));
}

void Checker::Check(const Directive& d, const std::vector<std::string>& block) {
  static const struct {
    const char* Keyword;
    size_t Fields;
  } arity[] = {{"file", 1},    {"nofile", 1}, {"dir", 1},      {"nodir", 1},    {"reg", 4},   {"noreg", 3},
               {"regkey", 2},  {"noregkey", 2}, {"ini", 4},    {"noini", 3},    {"service", 1}, {"noservice", 1},
               {"link", 1},    {"lines", 1},  {"contains", 2}, {"lacks", 2},    {"sections", 2}, {"json", 2}, {"details", 1}, {"jsonvalue", 3}};
  size_t need = 0;
  bool known = false;
  for (const auto& a : arity)
    if (d.Keyword == a.Keyword) known = true, need = a.Fields;
  if (!known || d.Fields.size() < need) {
    Fail(known ? "\"%s\" needs more fields" : "unknown directive \"%s\"", d.Keyword.c_str());
    broken_ = true;
    return;
  }
  const std::string& first = d.Fields[0];
  const std::string& k = d.Keyword;
  if (k == "file") CheckFile(d);
  else if (k == "nofile") Expect(!PathExists(first), first, "no file", "one");
  else if (k == "dir") Expect(IsDirectory(first), first, "a directory", PathExists(first) ? "a file" : "none");
  else if (k == "nodir") Expect(!PathExists(first), first, "no directory", "one");
  else if (k == "reg") CheckRegValue(d);
  else if (k == "noreg") {
    int type;
    std::vector<unsigned char> data;
    Expect(!ReadRegValue(ParseRegRoot(first), d.Fields[1], d.Fields[2], type, data),
           first + "\\" + d.Fields[1] + " value " + Q(d.Fields[2]), "none", "one");
  } else if (k == "regkey" || k == "noregkey") {
    HKEY key;
    bool present = RegOpenKeyExA(RootKey(ParseRegRoot(first)), d.Fields[1].c_str(), 0, KEY_READ, &key) == 0;
    if (present) RegCloseKey(key);
    Expect(present == (k == "regkey"), first + "\\" + d.Fields[1], k == "regkey" ? "a key" : "no key",
           present ? "one" : "none");
  } else if (k == "ini" || k == "noini") CheckIni(d);
  else if (k == "service" || k == "noservice") CheckService(d, k == "service");
  else if (k == "link") CheckLink(d);
  else if (k == "lines") CheckLines(d, block);
  else if (k == "contains" || k == "lacks") CheckContains(d, k == "contains");
  else if (k == "sections") CheckSections(d);
  else if (k == "json") CheckJson(d);
  else if (k == "details") CheckDetails(d);
  else if (k == "jsonvalue") CheckJsonValue(d);
}

void Checker::Run(const std::string& text) {
  std::vector<std::string> lines = SplitLines(text);
  for (size_t i = 0; i < lines.size(); ++i) {
    Directive d;
    if (!ParseDirectiveLine(lines[i], d)) continue;
    bool skip = d.Family != 0 && d.Family != family_;
    line_ = static_cast<int>(i + 1);
    d.Line = line_;
    bool ok = true;
    std::string missing;
    for (std::string& f : d.Fields) {
      f = ExpandOrKeep(f, ok, missing);
      if (!ok) break;
    }
    // A "lines" block runs to a line "end"; its lines are patterns, taken as written
    // but for %NAME% tokens.
    std::vector<std::string> block;
    if (d.Keyword == "lines") {
      for (++i; i < lines.size() && lines[i] != "end"; ++i) {
        std::string pattern = lines[i];
        if (pattern.compare(0, 4, "nt: ") == 0 || pattern.compare(0, 4, "95: ") == 0) {
          if ((pattern[0] == 'n' ? 1 : 2) != family_) continue;
          pattern.erase(0, 4);
        }
        bool blockOk = true;
        block.push_back(ExpandOrKeep(pattern, blockOk, missing));
        ok = ok && blockOk;
      }
    }
    if (skip) continue;
    if (!ok) {
      Fail("unknown token %%%s%%", missing.c_str());
      broken_ = true;
      continue;
    }
    Check(d, block);
  }
}

int Checker::Result() const {
  printf("zorl-check: %s: %d checks, %d failed\n", name_.c_str(), checks_, failures_);
  if (broken_) return 2;
  return failures_ ? 1 : 0;
}

}  // namespace

int main(int argc, char** argv) {
  if (argc < 2) {
    fprintf(stderr, "usage: zorl-check EXPECTATIONS...\n");
    return 2;
  }
  int result = 0;
  for (int i = 1; i < argc; ++i) {
    std::string text;
    if (!ReadWholeFile(argv[i], text)) {
      fprintf(stderr, "zorl-check: cannot read %s\n", argv[i]);
      return 2;
    }
    Checker checker(argv[i]);
    checker.Run(text);
    int r = checker.Result();
    if (r > result) result = r;
  }
  fflush(stdout);
  return result;
}
