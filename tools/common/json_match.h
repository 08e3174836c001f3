// A small JSON reader and the comparison that expectation files use: the expected
// document is a subset of the actual one. Every key of an expected object must be in the
// actual object with a matching value; an expected array must have the actual array's
// length and match element by element; numbers compare by value, strings exactly.
// Expected strings are line patterns ({*} and {?}, glob.h). Strings are byte strings: "\u00XX" escapes give the byte XX.
#pragma once
#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

struct JsonValue {
  enum Kind { Null, Bool, Number, String, Array, Object } Type = Null;
  bool Flag = false;
  double Num = 0;
  std::string Text;  // String; the literal text for Number
  std::vector<JsonValue> Items;
  std::vector<std::pair<std::string, JsonValue>> Members;

  const JsonValue* Member(const std::string& key) const;
};

// False with a message naming the offset when the text is no single JSON value.
bool ParseJson(const std::string& text, JsonValue& out, std::string& error);

// The value at a path such as "PrivateFiles[2].InstallNo" (empty: the whole document);
// null when there is none.
const JsonValue* JsonAt(const JsonValue& root, const std::string& path);

// The value as JSON text (compact), for messages.
std::string JsonText(const JsonValue& v);

// Compares; each difference is appended to differences as "path: expected X, found Y".
// expandString, when given, rewrites every expected string before the comparison.
void JsonSubsetMatch(const JsonValue& expected, const JsonValue& actual, const std::string& path,
                     const std::function<std::string(const std::string&)>& expandString,
                     std::vector<std::string>& differences);
