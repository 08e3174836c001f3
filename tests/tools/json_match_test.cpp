// The JSON reader and the subset comparison of expectation files.
#include <gtest/gtest.h>

#include "tools/common/json_match.h"

namespace {

std::vector<std::string> Compare(const char* expected, const char* actual) {
  JsonValue e, a;
  std::string error;
  EXPECT_TRUE(ParseJson(expected, e, error)) << error;
  EXPECT_TRUE(ParseJson(actual, a, error)) << error;
  std::vector<std::string> diffs;
  JsonSubsetMatch(e, a, "", [](const std::string& s) { return s == "%SYS%" ? std::string("C:\\S") : s; }, diffs);
  return diffs;
}

}  // namespace

TEST(Json, ReadsValuesAndByteEscapes) {
  JsonValue v;
  std::string error;
  ASSERT_TRUE(ParseJson(" {\"a\": [1, -2.5e1, true, null], \"p\": \"C:\\\\\\u00e9\\\"\"} ", v, error)) << error;
  ASSERT_EQ(JsonValue::Object, v.Type);
  const JsonValue* a = v.Member("a");
  ASSERT_TRUE(a && a->Items.size() == 4);
  EXPECT_EQ(-25, a->Items[1].Num);
  EXPECT_EQ("C:\\\xe9\"", v.Member("p")->Text);
  EXPECT_EQ("{\"a\":[1,-2.5e1,true,null],\"p\":\"C:\\\\\\u00e9\\\"\"}", JsonText(v));
  for (const char* bad : {"", "{", "[1,]", "{\"a\" 1}", "\"\\u0100\"", "1 2", "{\"a\":x}"})
    EXPECT_FALSE(ParseJson(bad, v, error)) << bad;
}

TEST(Json, ValuesByPath) {
  JsonValue v;
  std::string error;
  ASSERT_TRUE(ParseJson("{\"L\": [{\"N\": 1}, {\"N\": 2, \"T\": {\"List\": \"X\"}}], \"C\": 3}", v, error));
  struct {
    const char* Path;
    const char* Text;
  } cases[] = {{"C", "3"}, {"L[1].N", "2"}, {"L[1].T.List", "\"X\""}, {"", nullptr}, {"L[2]", nullptr}, {"D", nullptr},
               {"C.X", nullptr}};
  for (const auto& c : cases) {
    const JsonValue* found = JsonAt(v, c.Path);
    if (!c.Text) {
      EXPECT_TRUE(found == nullptr || std::string(c.Path).empty()) << c.Path;
      continue;
    }
    ASSERT_TRUE(found) << c.Path;
    EXPECT_EQ(c.Text, JsonText(*found)) << c.Path;
  }
  EXPECT_EQ(&v, JsonAt(v, ""));
}

TEST(Json, SubsetMatchNamesEachDifference) {
  EXPECT_TRUE(Compare("{\"A\": 1}", "{\"A\": 1.0, \"B\": [2]}").empty());
  EXPECT_TRUE(Compare("{\"L\": [{\"P\": \"%SYS%\"}]}", "{\"L\": [{\"P\": \"C:\\\\S\", \"N\": 3}]}").empty());
  EXPECT_TRUE(Compare("{\"R\": \"C:\\\\PROG~{*}\\\\\"}", "{\"R\": \"C:\\\\PROG~FBU\\\\\"}").empty());
  struct {
    const char* Expected;
    const char* Actual;
    const char* Difference;
  } cases[] = {
      {"{\"A\": 1}", "{\"B\": 1}", "A: missing"},
      {"{\"A\": 1}", "{\"A\": 2}", "A: expected 1, found 2"},
      {"{\"A\": [1, 2]}", "{\"A\": [1]}", "A: expected 2 entries, found 1: [1]"},
      {"{\"A\": [{\"X\": \"a\"}]}", "{\"A\": [{\"X\": \"b\"}]}", "A[0].X: expected \"a\", found \"b\""},
      {"{\"A\": null}", "{\"A\": \"x\"}", "A: expected null null, found string \"x\""},
      {"{\"A\": true}", "{\"A\": false}", "A: expected true, found false"},
  };
  for (const auto& c : cases) {
    std::vector<std::string> diffs = Compare(c.Expected, c.Actual);
    ASSERT_EQ(1u, diffs.size()) << c.Expected;
    EXPECT_EQ(c.Difference, diffs[0]);
  }
}
