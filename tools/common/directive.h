// The line syntax shared by the tools' plain-text inputs (installation manifests and
// expectation files): one directive a line, "keyword first | second | ...".
// Blank lines and lines starting with '#' are skipped. Fields are separated by '|'
// with the blanks around each field trimmed; "\|" stands for a literal bar and "\\"
// for a backslash only in front of a bar (paths keep their backslashes).
// A line may begin with "nt:" or "95:": the directive then applies only on the Windows
// NT family or only on the Windows 95 family.
// A field of the form name=value (name: letters, digits and '-') is an option;
// a bare word that a directive declares as a flag is read with HasFlag.
#pragma once
#include <string>
#include <vector>

struct Directive {
  int Line = 0;                      // 1-based line number in its file
  std::string Keyword;               // lower-cased
  int Family = 0;                    // 0 every family, 1 NT family only, 2 Windows 95 family only
  std::vector<std::string> Fields;   // positional fields, in order

  // The value of option name (first field "name=..."), or fallback when absent.
  const std::string* Option(const char* name) const;
  std::string OptionOr(const char* name, const std::string& fallback) const;
  bool HasFlag(const char* word) const;  // a field equal to word (case ignored)
};

// Splits a whole text into directives. Lines may end in CR LF or LF.
std::vector<Directive> ParseDirectives(const std::string& text);

// Splits one line (without its line end) into keyword and fields; false for a line
// that holds no directive (blank or comment).
bool ParseDirectiveLine(const std::string& line, Directive& out);

// True when text is an option field "name=value" and name is the given name.
bool IsOptionField(const std::string& field, const char* name = nullptr);
