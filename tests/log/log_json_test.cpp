// The inspection tool's JSON: key order, escapes, nulls, old values, sources, targets.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "tests/support/stand_in_reader_system.h"
#include "tools/inspect/log_json.h"

namespace {
TEST(LogJson, TextsArePlainAsciiAndByteExact) {
  const std::pair<const char*, const char*> cases[] = {
      {"C:\\APP\\A.EXE", "\"C:\\\\APP\\\\A.EXE\""},
      {"say \"hi\"", "\"say \\\"hi\\\"\""},
      {"\xe9t\xc3\xa9\x80\xff", "\"\\u00e9t\\u00c3\\u00a9\\u0080\\u00ff\""},
      {"a\tb\r\n\x01\x1f\x7f", "\"a\\tb\\r\\n\\u0001\\u001f\x7f\""},
      {"", "\"\""},
  };
  for (const auto& c : cases) {
    std::string out;
    AppendJsonText(out, c.first);
    EXPECT_EQ(c.second, out);
  }
  std::string none;
  AppendJsonText(none, nullptr);
  EXPECT_EQ("null", none);
}

TEST(LogJson, WritesEveryValueAndListInOrder) {
  StandInReaderSystem system;
  system.AllFilesExist = true;
  system.Log =
      "***  L\r\nTitle: Zorl\r\nSource: A:\\SETUP.EXE\r\nShell Link: C:\\APP\\Z\xe9.LNK | d\r\nLink Info: info\r\n"
      "RegDB Key: K\r\nRegDB Val: new\r\nRegDB Type: 1\r\nRegDB Key: K\r\nRegDB Val: v\r\nRegDB Name: N\r\nRegDB Old: o1\r\n"
      "RegDB Old: o2\r\n*** two\r\nSource: B:\\SETUP.EXE\r\n";
  Arena arena;
  InstallData data;
  AllocateInstallData(arena, data);
  char removalRoot[RemovalRootSize];
  ReaderSettings settings = {1, 1, 1};
  ASSERT_EQ(0, ReadLog("C:\\APP\\INSTALL.LOG", removalRoot, settings, system, data, arena));
  std::string json;
  WriteLogJson(data, removalRoot, json);

  const char* keys[] = {"InstallCount", "LastSectionOffset", "LogTitle", "RemovalRoot", "SubSystemName",
                        "SubSystemSelected", "MifFileName", "MifManufacturer", "MifProduct", "MifVersion",
                        "MifSerialNumber", "PerUserId", "DeleteInUseFiles", "HasBackups", "SourceHasAttributes",
                        "SystemDirectory", "InstallSources", "PrivateFiles", "SystemFiles", "RepairOnlyFiles",
                        "EditedFiles", "CreatedDirs", "NewIniFiles", "IniEdits", "NewRegValues", "RegTrees",
                        "ChangedRegValues", "RegValueWrites", "Icons", "Programs", "Services"};
  size_t at = 0;
  for (const char* key : keys) {
    size_t found = json.find("\n  \"" + std::string(key) + "\": ", at);
    ASSERT_NE(std::string::npos, found) << key << " missing or out of order";
    at = found;
  }
  const char* fragments[] = {
      "\"InstallCount\": 2,",
      "\"SubSystemName\": null,",
      "\"PerUserId\": null,",
      "\"InstallSources\": {\"1\": \"A:\\\\SETUP.EXE\", \"2\": \"B:\\\\SETUP.EXE\"},",
      "{\"Path\": \"C:\\\\APP\\\\Z\\u00e9.LNK\", \"BackupPath\": \"\", \"Details\": \" d\", \"LinkInfo\": \"info\", "
      "\"Selected\": 0, \"AutoSelect\": 1, \"SelfRegInstallNo\": 0, \"DeviceInstallNo\": 0, \"InstallNo\": 1, "
      "\"BackupInstallNo\": 1, \"RepairInstallNo\": 0, \"CounterInstallNo\": 1, \"CounterUses\": 1}",
      "\"SystemFiles\": [],",
      "{\"Key\": \"K\", \"ValueName\": \"N\", \"RootText\": \"0\", \"OldValues\": [\"o1\", \"o2\"], "
      "\"LatestOldValue\": \"o1\", \"Root\": 0, \"Type\": 0, \"Selected\": 0, \"InstallNo\": 1}",
      "{\"HasOld\": 0, \"Type\": 1, \"Target\": {\"List\": \"NewRegValues\", \"Index\": 0}, \"Data\": \"new\"}",
      "{\"HasOld\": 1, \"Type\": 0, \"Target\": {\"List\": \"ChangedRegValues\", \"Index\": 0}, \"Data\": \"v\"}",
      "\"Services\": []\n}\n",
  };
  for (const char* fragment : fragments) EXPECT_NE(std::string::npos, json.find(fragment)) << fragment << "\n" << json;
  for (char c : json) ASSERT_LT(static_cast<unsigned char>(c), 0x80u);
}
}  // namespace
