// The status report's template and placeholder replacement.
#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "report/status_report.h"

namespace {
StatusReportValues Values(const char* product = "Editor") {
  return StatusReportValues{"Acme", product, "2.0", "123", 0, "12/09/26 9:05", 0};
}

std::string Expand(const std::string& text, const StatusReportValues& values, size_t size = 16384) {
  std::string buffer(size, '\0');
  std::memcpy(&buffer[0], text.c_str(), std::min(text.size() + 1, size));
  buffer[size - 1] = '\0';
  ExpandStatusPlaceholders(&buffer[0], size, values);
  return buffer.c_str();
}

TEST(StatusReport, BuiltInTemplateHas69LinesEndingInCrLf) {
  std::string text = BuiltInStatusTemplate;
  int lines = 0;
  for (size_t at = 0; (at = text.find("\r\n", at)) != std::string::npos; at += 2) ++lines;
  EXPECT_EQ(69, lines);
  EXPECT_EQ(std::string::npos, text.find_first_of("\t"));
  EXPECT_EQ("START COMPONENT\r\n", text.substr(0, 17));
  EXPECT_EQ("END COMPONENT\r\n", text.substr(text.size() - 15));
  for (const char* placeholder : {"%1%", "%2%", "%3%", "%4%", "%5%", "%6%", "%7%", "%8%"})
    EXPECT_NE(std::string::npos, text.find(placeholder)) << placeholder;
}

TEST(StatusReport, PlaceholdersTakeTheRunsValues) {
  struct Case {
    int rollback, cancelled;
    const char *name, *status, *description;
  } cases[] = {
      {0, 0, "Uninstall", "Success", ""},
      {1, 0, "Rollback", "Success", ""},
      {0, 1, "Uninstall", "Failed", "Canceled by user"},
  };
  for (const Case& c : cases) {
    StatusReportValues values = Values();
    values.Rollback = c.rollback;
    values.Cancelled = c.cancelled;
    std::string text = Expand(BuiltInStatusTemplate, values);
    std::string name = c.name;
    SCOPED_TRACE(name + " " + c.status);
    EXPECT_NE(std::string::npos, text.find("      VALUE = \"Acme\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("      VALUE = \"Editor\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("      VALUE = \"2.0\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("      VALUE = \"123\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("      NAME = \"" + name + "\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("    NAME = \"" + name + "Status\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("      VALUE = \"12/09/26 9:05\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("      VALUE = \"" + std::string(c.status) + "\"\r\n"));
    EXPECT_NE(std::string::npos, text.find("      VALUE = \"" + std::string(c.description) + "\"\r\n    END ATTRIBUTE\r\n  END GROUP\r\nEND COMPONENT"));
    EXPECT_EQ(std::string::npos, text.find('%'));
  }
}

TEST(StatusReport, ValuesAreNeverExpandedAndOtherPercentSignsStay) {
  struct Case {
    const char* text;
    const char* product;
    const char* expected;
  } cases[] = {
      {"[%2%]", "%1%", "[%1%]"},           // an inserted value is not scanned again
      {"[%2%%1%]", "%", "[%Acme]"},        // nor joined with what follows it
      {"%9% %0% %% %1 %12% 100%", "", "%9% %0% %% %1 %12% 100%"},
      {"%1%%1%", "", "AcmeAcme"},
      {"%8%", "", ""},
  };
  for (const Case& c : cases) EXPECT_EQ(c.expected, Expand(c.text, Values(c.product))) << c.text;
}

TEST(StatusReport, ExpansionIsCutAtTheBuffersEnd) {
  struct Guarded {
    char text[16];
    char guard[8];
  } g;
  std::memset(&g, '#', sizeof g);
  std::strcpy(g.text, "ab%2%cdefghij");  // 13 characters; the product adds 9
  ExpandStatusPlaceholders(g.text, sizeof g.text, Values("Editor1234"));
  EXPECT_STREQ("abEditor1234cde", g.text);  // the tail gives way first
  EXPECT_EQ(0, std::memcmp(g.guard, "########", 8));

  std::strcpy(g.text, "abcdefghij%2%x");
  ExpandStatusPlaceholders(g.text, sizeof g.text, Values("Editor1234"));
  EXPECT_STREQ("abcdefghijEdito", g.text);  // then the value itself is cut
  EXPECT_EQ(0, std::memcmp(g.guard, "########", 8));
}

TEST(StatusReport, DateFormat) {
  char date[32];
  FormatStatusDate(date, sizeof date, 12, 9, 2026, 9, 5);
  EXPECT_STREQ("12/09/26 9:05", date);
  FormatStatusDate(date, sizeof date, 1, 2, 2000, 23, 59);
  EXPECT_STREQ("01/02/00 23:59", date);
}
}  // namespace
