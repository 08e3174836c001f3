// Bounded text copies into fixed-size fields.
#include "log/bounded_text.h"

size_t CopyTextN(char* dst, size_t size, const char* src, size_t count) {
  if (size == 0) return 0;
  size_t n = 0;
  while (n + 1 < size && n < count && src[n] != '\0') {
    dst[n] = src[n];
    ++n;
  }
  dst[n] = '\0';
  return n;
}

size_t CopyText(char* dst, size_t size, const char* src) { return CopyTextN(dst, size, src, static_cast<size_t>(-1)); }

size_t AppendText(char* dst, size_t size, const char* src) {
  size_t used = 0;
  while (used < size && dst[used] != '\0') ++used;
  if (used >= size) return used;  // not terminated inside the field: leave it alone
  return used + CopyText(dst + used, size - used, src);
}
