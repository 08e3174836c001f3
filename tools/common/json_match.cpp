// JSON reading and subset comparison.
#include "tools/common/json_match.h"

#include "tools/common/glob.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>

namespace {

class Reader {
 public:
  explicit Reader(const std::string& t) : t_(t) {}

  bool Value(JsonValue& v) {
    Blanks();
    if (pos_ >= t_.size()) return Fail("unexpected end");
    char c = t_[pos_];
    if (c == '{') return ObjectValue(v);
    if (c == '[') return ArrayValue(v);
    if (c == '"') {
      v.Type = JsonValue::String;
      return StringValue(v.Text);
    }
    if (Word("true")) return v.Type = JsonValue::Bool, v.Flag = true, true;
    if (Word("false")) return v.Type = JsonValue::Bool, v.Flag = false, true;
    if (Word("null")) return v.Type = JsonValue::Null, true;
    return NumberValue(v);
  }

  bool End() {
    Blanks();
    return pos_ == t_.size() || Fail("text after the value");
  }

  std::string error;

 private:
  bool Fail(const char* what) {
    error = std::string(what) + " at offset " + std::to_string(pos_);
    return false;
  }
  void Blanks() {
    while (pos_ < t_.size() && strchr(" \t\r\n", t_[pos_]) && t_[pos_] != '\0') ++pos_;
  }
  bool Word(const char* w) {
    size_t n = strlen(w);
    if (t_.compare(pos_, n, w) != 0) return false;
    pos_ += n;
    return true;
  }
  bool Expect(char c) {
    Blanks();
    if (pos_ < t_.size() && t_[pos_] == c) return ++pos_, true;
    char what[32];
    snprintf(what, sizeof what, "expected '%c'", c);
    return Fail(what);
  }
  bool ObjectValue(JsonValue& v) {
    v.Type = JsonValue::Object;
    ++pos_;
    Blanks();
    if (pos_ < t_.size() && t_[pos_] == '}') return ++pos_, true;
    for (;;) {
      Blanks();
      std::string key;
      JsonValue member;
      if (pos_ >= t_.size() || t_[pos_] != '"') return Fail("expected a key");
      if (!StringValue(key) || !Expect(':') || !Value(member)) return false;
      v.Members.emplace_back(key, member);
      Blanks();
      if (pos_ < t_.size() && t_[pos_] == ',') {
        ++pos_;
        continue;
      }
      return Expect('}');
    }
  }
  bool ArrayValue(JsonValue& v) {
    v.Type = JsonValue::Array;
    ++pos_;
    Blanks();
    if (pos_ < t_.size() && t_[pos_] == ']') return ++pos_, true;
    for (;;) {
      JsonValue item;
      if (!Value(item)) return false;
      v.Items.push_back(item);
      Blanks();
      if (pos_ < t_.size() && t_[pos_] == ',') {
        ++pos_;
        continue;
      }
      return Expect(']');
    }
  }
  bool StringValue(std::string& out) {
    ++pos_;
    out.clear();
    while (pos_ < t_.size() && t_[pos_] != '"') {
      char c = t_[pos_++];
      if (c != '\\') {
        out += c;
        continue;
      }
      if (pos_ >= t_.size()) break;
      char e = t_[pos_++];
      switch (e) {
        case 'n': out += '\n'; break;
        case 'r': out += '\r'; break;
        case 't': out += '\t'; break;
        case 'b': out += '\b'; break;
        case 'f': out += '\f'; break;
        case 'u': {
          if (pos_ + 4 > t_.size()) return Fail("short \\u escape");
          unsigned long code = strtoul(t_.substr(pos_, 4).c_str(), nullptr, 16);
          pos_ += 4;
          if (code > 0xFF) return Fail("\\u escape above 00FF");
          out += static_cast<char>(code);
          break;
        }
        default: out += e; break;
      }
    }
    if (pos_ >= t_.size()) return Fail("unterminated string");
    ++pos_;
    return true;
  }
  bool NumberValue(JsonValue& v) {
    const char* start = t_.c_str() + pos_;
    char* end = nullptr;
    v.Num = strtod(start, &end);
    if (end == start) return Fail("unexpected character");
    v.Type = JsonValue::Number;
    v.Text.assign(start, static_cast<size_t>(end - start));
    pos_ += static_cast<size_t>(end - start);
    return true;
  }

  const std::string& t_;
  size_t pos_ = 0;
};

const char* KindName(JsonValue::Kind k) {
  static const char* const names[] = {"null", "boolean", "number", "string", "array", "object"};
  return names[k];
}

std::string Quoted(const std::string& s) {
  std::string out = "\"";
  for (unsigned char c : s) {
    if (c == '"' || c == '\\') {
      out += '\\';
      out += static_cast<char>(c);
    } else if (c < 0x20 || c >= 0x80) {
      char buf[8];
      snprintf(buf, sizeof buf, "\\u%04x", c);
      out += buf;
    } else {
      out += static_cast<char>(c);
    }
  }
  return out + "\"";
}

}  // namespace

const JsonValue* JsonAt(const JsonValue& root, const std::string& path) {
  const JsonValue* v = &root;
  size_t pos = 0;
  while (v && pos < path.size()) {
    if (path[pos] == '[') {
      size_t end = path.find(']', pos);
      if (end == std::string::npos || v->Type != JsonValue::Array) return nullptr;
      size_t index = strtoul(path.substr(pos + 1, end - pos - 1).c_str(), nullptr, 10);
      v = index < v->Items.size() ? &v->Items[index] : nullptr;
      pos = end + 1;
    } else {
      if (path[pos] == '.') ++pos;
      size_t end = path.find_first_of(".[", pos);
      if (end == std::string::npos) end = path.size();
      v = v->Type == JsonValue::Object ? v->Member(path.substr(pos, end - pos)) : nullptr;
      pos = end;
    }
  }
  return v;
}

const JsonValue* JsonValue::Member(const std::string& key) const {
  for (const auto& m : Members)
    if (m.first == key) return &m.second;
  return nullptr;
}

bool ParseJson(const std::string& text, JsonValue& out, std::string& error) {
  Reader r(text);
  out = JsonValue();
  bool ok = r.Value(out) && r.End();
  if (!ok) error = r.error;
  return ok;
}

std::string JsonText(const JsonValue& v) {
  switch (v.Type) {
    case JsonValue::Null: return "null";
    case JsonValue::Bool: return v.Flag ? "true" : "false";
    case JsonValue::Number: return v.Text;
    case JsonValue::String: return Quoted(v.Text);
    case JsonValue::Array: {
      std::string s = "[";
      for (size_t i = 0; i < v.Items.size(); ++i) s += (i ? "," : "") + JsonText(v.Items[i]);
      return s + "]";
    }
    case JsonValue::Object: {
      std::string s = "{";
      for (size_t i = 0; i < v.Members.size(); ++i)
        s += (i ? "," : "") + Quoted(v.Members[i].first) + ":" + JsonText(v.Members[i].second);
      return s + "}";
    }
  }
  return "";
}

void JsonSubsetMatch(const JsonValue& expected, const JsonValue& actual, const std::string& path,
                     const std::function<std::string(const std::string&)>& expandString,
                     std::vector<std::string>& differences) {
  const std::string where = path.empty() ? "(top)" : path;
  if (expected.Type != actual.Type) {
    differences.push_back(where + ": expected " + KindName(expected.Type) + " " + JsonText(expected) + ", found " +
                          KindName(actual.Type) + " " + JsonText(actual));
    return;
  }
  switch (expected.Type) {
    case JsonValue::Object:
      for (const auto& m : expected.Members) {
        const JsonValue* a = actual.Member(m.first);
        std::string sub = path.empty() ? m.first : path + "." + m.first;
        if (!a)
          differences.push_back(sub + ": missing");
        else
          JsonSubsetMatch(m.second, *a, sub, expandString, differences);
      }
      break;
    case JsonValue::Array:
      if (expected.Items.size() != actual.Items.size()) {
        differences.push_back(where + ": expected " + std::to_string(expected.Items.size()) + " entries, found " +
                              std::to_string(actual.Items.size()) + ": " + JsonText(actual));
        break;
      }
      for (size_t i = 0; i < expected.Items.size(); ++i)
        JsonSubsetMatch(expected.Items[i], actual.Items[i], path + "[" + std::to_string(i) + "]", expandString,
                        differences);
      break;
    case JsonValue::String: {
      std::string want = expandString ? expandString(expected.Text) : expected.Text;
      if (!GlobMatch(want, actual.Text))
        differences.push_back(where + ": expected " + Quoted(want) + ", found " + Quoted(actual.Text));
      break;
    }
    case JsonValue::Number:
      if (expected.Num != actual.Num) differences.push_back(where + ": expected " + expected.Text + ", found " + actual.Text);
      break;
    case JsonValue::Bool:
      if (expected.Flag != actual.Flag) differences.push_back(where + ": expected " + JsonText(expected) + ", found " + JsonText(actual));
      break;
    case JsonValue::Null:
      break;
  }
}
