// Single-byte answers to the character-set services, for the host build.
#include "app/char_text.h"
#include "log/bounded_text.h"

namespace {
int Fold(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }
}  // namespace

const char* NextChar(const char* p) { return *p != '\0' ? p + 1 : p; }

int CompareNoCaseN(const char* a, const char* b, size_t count) {
  for (size_t i = 0; i < count; ++i) {
    int x = Fold(static_cast<unsigned char>(a[i]));
    int y = Fold(static_cast<unsigned char>(b[i]));
    if (x != y) return x < y ? -1 : 1;
    if (x == 0) return 0;
  }
  return 0;
}

int CompareNoCase(const char* a, const char* b) { return CompareNoCaseN(a, b, static_cast<size_t>(-1)); }

unsigned char FoldCharCase(unsigned char c) { return static_cast<unsigned char>(Fold(c)); }

void OemToAnsi(const char* src, char* dst, size_t size) { CopyText(dst, size, src); }
