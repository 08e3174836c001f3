// The character-set services answered by the system's ANSI calls.
#include <windows.h>
// winuser.h maps the old name OemToAnsi to OemToCharA; the portable service keeps the name.
#undef OemToAnsi

#include <cstring>

#include "app/char_text.h"
#include "log/bounded_text.h"

const char* NextChar(const char* p) { return CharNextA(p); }

int CompareNoCase(const char* a, const char* b) { return lstrcmpiA(a, b); }

int CompareNoCaseN(const char* a, const char* b, size_t count) {
  int lengthA = static_cast<int>(strnlen(a, count));
  int lengthB = static_cast<int>(strnlen(b, count));
  int result = CompareStringA(LOCALE_USER_DEFAULT, NORM_IGNORECASE, a, lengthA, b, lengthB);
  if (result == 0) return std::strncmp(a, b, count);  // the call refused its arguments
  return result - CSTR_EQUAL;
}

unsigned char FoldCharCase(unsigned char c) {
  static unsigned char table[256];
  static bool filled = false;
  if (!filled) {
    for (int i = 0; i < 256; ++i) {
      char one[2] = {static_cast<char>(i), '\0'};
      if (i != 0) CharUpperBuffA(one, 1);
      table[i] = static_cast<unsigned char>(one[0]);
    }
    filled = true;
  }
  return table[c];
}

void OemToAnsi(const char* src, char* dst, size_t size) {
  if (size == 0) return;
  size_t length = strnlen(src, size - 1);
  OemToCharBuffA(src, dst, static_cast<DWORD>(length));
  dst[length] = '\0';
}
