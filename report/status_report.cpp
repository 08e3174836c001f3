// Placeholder replacement and date format of the status report.
#include "report/status_report.h"

#include <cstdio>
#include <cstring>

namespace {
const char* PlaceholderValue(char digit, const StatusReportValues& values) {
  switch (digit) {
    case '1': return values.Manufacturer;
    case '2': return values.Product;
    case '3': return values.Version;
    case '4': return values.SerialNumber;
    case '5': return values.Rollback ? "Rollback" : "Uninstall";
    case '6': return values.DateTime;
    case '7': return values.Cancelled ? "Failed" : "Success";
    default: return values.Cancelled ? "Canceled by user" : "";
  }
}

bool IsPlaceholder(const char* p) { return p[0] == '%' && p[1] >= '1' && p[1] <= '8' && p[2] == '%'; }
}  // namespace

void ExpandStatusPlaceholders(char* text, size_t size, const StatusReportValues& values) {
  if (size == 0) return;
  size_t length = strnlen(text, size - 1);
  text[length] = '\0';
  const size_t limit = size - 1;
  for (size_t i = 0; i < length;) {
    if (!IsPlaceholder(text + i)) {
      ++i;
      continue;
    }
    const char* value = PlaceholderValue(text[i + 1], values);
    size_t valueLength = std::strlen(value);
    size_t tailLength = length - (i + 3);
    if (i + valueLength > limit) valueLength = limit - i;
    if (i + valueLength + tailLength > limit) tailLength = limit - i - valueLength;
    std::memmove(text + i + valueLength, text + i + 3, tailLength);
    std::memcpy(text + i, value, valueLength);
    length = i + valueLength + tailLength;
    text[length] = '\0';
    i += valueLength;
  }
}

void FormatStatusDate(char* out, size_t size, int month, int day, int year, int hour, int minute) {
  std::snprintf(out, size, "%02d/%02d/%02d %d:%02d", month, day, year % 100, hour, minute);
}
