// The status file left for systems-management software: a MIF text built from a
// template whose placeholders %1% to %8% are replaced by the run's values.
#pragma once
#include <cstddef>

extern const char BuiltInStatusTemplate[];

struct StatusReportValues {
  const char* Manufacturer;  // %1%
  const char* Product;       // %2%
  const char* Version;       // %3%
  const char* SerialNumber;  // %4%
  int Rollback;              // %5%: "Rollback" or "Uninstall"
  const char* DateTime;      // %6%
  int Cancelled;             // %7%: "Failed" or "Success"; %8%: "Canceled by user" or empty
};

// Replaces each placeholder of text (a buffer of size bytes) in one pass: the scan goes
// on after each inserted value, so values are never expanded themselves. When the
// result would not fit, the text's tail is dropped first, then the value is cut.
void ExpandStatusPlaceholders(char* text, size_t size, const StatusReportValues& values);

// The date and time as the report gives them: "12/09/26 9:05".
void FormatStatusDate(char* out, size_t size, int month, int day, int year, int hour, int minute);
