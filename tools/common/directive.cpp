// Line syntax of manifests and expectation files.
#include "tools/common/directive.h"

#include <cctype>
#include <cstring>

namespace {

std::string Trim(const std::string& s) {
  size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

bool SameNoCase(const std::string& a, const char* b) {
  size_t n = strlen(b);
  if (a.size() != n) return false;
  for (size_t i = 0; i < n; ++i)
    if (tolower(static_cast<unsigned char>(a[i])) != tolower(static_cast<unsigned char>(b[i]))) return false;
  return true;
}

// Length of the option name at the start of field, 0 when the field is no option.
size_t OptionNameLength(const std::string& field) {
  size_t n = 0;
  while (n < field.size() && (isalnum(static_cast<unsigned char>(field[n])) || field[n] == '-')) ++n;
  return (n > 0 && n < field.size() && field[n] == '=') ? n : 0;
}

}  // namespace

bool IsOptionField(const std::string& field, const char* name) {
  size_t n = OptionNameLength(field);
  if (n == 0) return false;
  return name == nullptr || SameNoCase(field.substr(0, n), name);
}

const std::string* Directive::Option(const char* name) const {
  for (const std::string& f : Fields)
    if (IsOptionField(f, name)) return &f;
  return nullptr;
}

std::string Directive::OptionOr(const char* name, const std::string& fallback) const {
  const std::string* f = Option(name);
  return f ? f->substr(OptionNameLength(*f) + 1) : fallback;
}

bool Directive::HasFlag(const char* word) const {
  for (const std::string& f : Fields)
    if (SameNoCase(f, word)) return true;
  return false;
}

bool ParseDirectiveLine(const std::string& raw, Directive& out) {
  std::string line = raw;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  std::string t = Trim(line);
  if (t.empty() || t[0] == '#') return false;
  out.Family = 0;
  if (t.compare(0, 3, "nt:") == 0 || t.compare(0, 3, "95:") == 0) {
    out.Family = t[0] == 'n' ? 1 : 2;
    t = Trim(t.substr(3));
    if (t.empty()) return false;
  }

  size_t sp = 0;
  while (sp < t.size() && t[sp] != ' ' && t[sp] != '\t') ++sp;
  out.Keyword.clear();
  for (size_t i = 0; i < sp; ++i) out.Keyword += static_cast<char>(tolower(static_cast<unsigned char>(t[i])));
  out.Fields.clear();
  if (sp >= t.size()) return true;

  std::string field;
  bool any = false;
  const std::string rest = t.substr(sp);
  for (size_t i = 0; i < rest.size(); ++i) {
    char c = rest[i];
    if (c == '\\' && i + 1 < rest.size() && rest[i + 1] == '|') {
      field += '|';
      ++i;
    } else if (c == '\\' && i + 2 < rest.size() && rest[i + 1] == '\\' && rest[i + 2] == '|') {
      field += '\\';  // "\\|": a backslash ending the field, then the separator
      ++i;
    } else if (c == '|') {
      out.Fields.push_back(Trim(field));
      field.clear();
    } else {
      field += c;
      any = true;
    }
  }
  if (any || !out.Fields.empty()) out.Fields.push_back(Trim(field));
  return true;
}

std::vector<Directive> ParseDirectives(const std::string& text) {
  std::vector<Directive> result;
  size_t start = 0;
  int number = 0;
  while (start <= text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    ++number;
    Directive d;
    if (ParseDirectiveLine(text.substr(start, end - start), d)) {
      d.Line = number;
      result.push_back(d);
    }
    start = end + 1;
  }
  return result;
}
