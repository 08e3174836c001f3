// Comparison of paths from their ends, where paths of one log differ first.
#include "log/search_tree.h"

#include <cstring>

namespace {
int Fold(unsigned char c) { return (c >= 'a' && c <= 'z') ? c - 'a' + 'A' : c; }
}  // namespace

int CompareFromEnd(const char* a, const char* b) {
  size_t i = std::strlen(a);
  size_t j = std::strlen(b);
  while (i > 0 && j > 0) {
    int x = Fold(static_cast<unsigned char>(a[--i]));
    int y = Fold(static_cast<unsigned char>(b[--j]));
    if (x != y) return x - y;
  }
  if (i == 0 && j == 0) return 0;
  return i == 0 ? 1 : -1;
}
