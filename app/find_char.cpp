// Character search that steps over double-byte characters.
#include <cstring>

#include "app/char_text.h"

const char* FindChar(const char* text, char c) {
  for (const char* p = text; *p != '\0'; p = NextChar(p)) {
    if (static_cast<signed char>(*p) == static_cast<signed char>(c)) return p;
  }
  return nullptr;
}

char* FindChar(char* text, char c) { return const_cast<char*>(FindChar(static_cast<const char*>(text), c)); }

bool StartsWithNoCase(const char* text, const char* prefix) {
  size_t n = std::strlen(prefix);
  return std::strlen(text) >= n && CompareNoCaseN(text, prefix, n) == 0;
}
