// The tools' file formats: generated payload and CRC-32, DOS dates, the log's details
// and source attributes, repair list lines, registry data, SYSTEM.INI device lines.
#include <gtest/gtest.h>

#include "tools/common/dos_time.h"
#include "tools/common/payload.h"
#include "tools/zorl-setup/list_file.h"
#include "tools/zorl-setup/reg_data.h"
#include "tools/zorl-setup/system_ini.h"

TEST(Crc32, KnownValuesAndBlockwise) {
  struct {
    const char* Text;
    uint32_t Crc;
  } cases[] = {{"", 0}, {"a", 0xE8B7BE43u}, {"123456789", 0xCBF43926u}};
  for (const auto& c : cases) EXPECT_EQ(c.Crc, Crc32(c.Text, strlen(c.Text))) << c.Text;
  uint32_t part = Crc32("1234", 4);
  EXPECT_EQ(0xCBF43926u, Crc32("56789", 5, part));
}

TEST(Payload, SizeAndSeedDecideTheBytes) {
  for (uint32_t size : {0u, 1u, 63u, 64u, 65u, 10000u}) EXPECT_EQ(size, MakePayload("APP.EXE", size).size());
  EXPECT_EQ(MakePayload("APP.EXE", 500), MakePayload("APP.EXE", 500));
  EXPECT_NE(MakePayload("APP.EXE", 500), MakePayload("APP.DLL", 500));
  // The bytes are one stream cut to the size: a grown file differs only after the old end.
  EXPECT_EQ(MakePayload("APP.EXE", 200), MakePayload("APP.EXE", 300).substr(0, 200));
  EXPECT_EQ("APP.EXE", DefaultSeed("C:\\Program Files\\Zorl\\app.exe"));
  EXPECT_EQ("README", DefaultSeed("readme"));
}

TEST(DosTime, PacksAndUnpacksWithTheRepairYearRule) {
  struct {
    int Y, Mo, D, H, Mi, S;
    uint16_t Date, Time;
  } cases[] = {
      {2003, 1, 2, 4, 5, 6, 11810, 8355},
      {1980, 1, 1, 0, 0, 0, 33, 0},
      {2059, 12, 31, 23, 59, 58, (79 << 9) | (12 << 5) | 31, (23 << 11) | (59 << 5) | 29},
  };
  for (const auto& c : cases) {
    Stamp s;
    s.Year = c.Y, s.Month = c.Mo, s.Day = c.D, s.Hour = c.H, s.Minute = c.Mi, s.Second = c.S;
    EXPECT_EQ(c.Date, PackDosDate(s)) << c.Y;
    EXPECT_EQ(c.Time, PackDosTime(s)) << c.Y;
    Stamp back = UnpackDos(c.Date, c.Time);
    EXPECT_EQ(FormatDate(s) + " " + FormatTime(s), FormatDate(back) + " " + FormatTime(back));
  }
  // Odd seconds are lost; 2060 and later print as the 1900s.
  EXPECT_EQ("04:05:06", FormatTime(UnpackDos(0, 8355)));
  EXPECT_EQ(1960, UnpackDos(80 << 9 | 1 << 5 | 1, 0).Year);
}

TEST(DosTime, ParsesOnlyTheLogForms) {
  Stamp s;
  EXPECT_TRUE(ParseDate("12-31-1999", s));
  EXPECT_EQ(1999, s.Year);
  EXPECT_TRUE(ParseTime("23:59:58", s));
  for (const char* bad : {"1-2-2003", "13-01-2003", "01-02-1979", "01/02/2003", "01-02-2003 "}) EXPECT_FALSE(ParseDate(bad, s)) << bad;
  for (const char* bad : {"24:00:00", "4:05:06", "04:60:00", "04:05"}) EXPECT_FALSE(ParseTime(bad, s)) << bad;
}

TEST(Details, FieldsStandWhereTheReaderLooks) {
  Stamp s;
  ASSERT_TRUE(ParseDate("01-02-2003", s));
  ASSERT_TRUE(ParseTime("04:05:06", s));
  std::string d = FormatDetails(s, "2.1", 3000, 0x14b58a3e);
  EXPECT_EQ(" 01-02-2003 | 04:05:06 | 2.1 | 3000 | 14b58a3e", d);
  // Month, day, year, hour, minute, second at 0, 3, 6, 13, 16, 19 after the blank.
  const std::string body = d.substr(1);
  EXPECT_EQ("01", body.substr(0, 2));
  EXPECT_EQ("02", body.substr(3, 2));
  EXPECT_EQ("2003", body.substr(6, 4));
  EXPECT_EQ("04", body.substr(13, 2));
  EXPECT_EQ("05", body.substr(16, 2));
  EXPECT_EQ("06", body.substr(19, 2));
  EXPECT_EQ("01-02-2003 | 04:05:06 | 123456", FormatSourceAttributes(s, 123456));
}

TEST(ListFile, ReadsTheRepairLine) {
  ListEntry e;
  ASSERT_TRUE(ParseListLine("C:\\Program Files\\Zorl\\APP.EXE|11810|8355| 3000 | 14b58a3e\r\n", e));
  EXPECT_EQ("C:\\Program Files\\Zorl\\APP.EXE", e.Path);
  EXPECT_EQ(11810, e.DosDate);
  EXPECT_EQ(8355, e.DosTime);
  EXPECT_EQ(3000u, e.Size);
  EXPECT_EQ(0x14b58a3eu, e.Crc);
  for (const char* bad : {"", "C:\\A.EXE", "|1|2| 3 | 4", "C:\\A|1|2| 3", "C:\\A|x|2| 3 | 4", "C:\\A|1|2| 3 | 4 junk",
                          "C:\\A|70000|2| 3 | 4"})
    EXPECT_FALSE(ParseListLine(bad, e)) << bad;
}

TEST(RegData, EncodesManifestDataAndDecodesToLogLines) {
  typedef std::vector<unsigned char> Bytes;
  typedef std::vector<std::string> Texts;
  struct {
    int Type;
    Texts In;
    Bytes Stored;
    Texts Lines;
  } cases[] = {
      {0, {"demo"}, {'d', 'e', 'm', 'o', 0}, {"demo"}},
      {1, {"%X%"}, {'%', 'X', '%', 0}, {"%X%"}},
      {2, {"a", "bc"}, {'a', 0, 'b', 'c', 0, 0}, {"a", "bc"}},
      {2, {}, {0}, {}},
      {3, {"42"}, {42, 0, 0, 0}, {"42"}},
      {3, {"-1"}, {255, 255, 255, 255}, {"-1"}},
      {4, {"01 02 0A ff"}, {1, 2, 10, 255}, {"01020aff"}},
      {4, {"abc"}, {0xab}, {"ab"}},  // a last nibble without a partner is dropped
  };
  for (const auto& c : cases) {
    EXPECT_EQ(c.Stored, EncodeRegData(c.Type, c.In)) << "type " << c.Type;
    EXPECT_EQ(c.Lines, DecodeRegData(c.Type, c.Stored)) << "type " << c.Type;
  }
  EXPECT_EQ(2, ParseRegRoot("HKLM"));
  EXPECT_EQ(4, ParseRegRoot("4"));
  EXPECT_EQ(-1, ParseRegRoot("5"));
  EXPECT_EQ(2, ParseRegType("Multi"));
  EXPECT_EQ(7u, SystemRegType(2));
  EXPECT_EQ(3, LogRegType(4));  // REG_DWORD
  EXPECT_EQ(-1, LogRegType(11));
}

TEST(SystemIni, DeviceLinesGoToTheEndOf386Enh) {
  EXPECT_EQ("ZDEMO.386", DeviceLineValue("C:\\WINDOWS\\SYSTEM\\ZDEMO.386", "C:\\windows\\system"));
  EXPECT_EQ("VXD\\Z.386", DeviceLineValue("C:\\WINDOWS\\SYSTEM\\VXD\\Z.386", "C:\\WINDOWS\\SYSTEM\\"));
  EXPECT_EQ("D:\\DRV\\Z.386", DeviceLineValue("D:\\DRV\\Z.386", "C:\\WINDOWS\\SYSTEM"));
  struct {
    const char* Before;
    const char* After;
  } cases[] = {
      {"[boot]\r\nshell=x\r\n[386Enh]\r\ndevice=a.386\r\n\r\n[drivers]\r\n",
       "[boot]\r\nshell=x\r\n[386Enh]\r\ndevice=a.386\r\ndevice=Z.386\r\n\r\n[drivers]\r\n"},
      {"[386ENH]\r\n", "[386ENH]\r\ndevice=Z.386\r\n"},
      {"  [386Enh]\r\nx=1", "  [386Enh]\r\nx=1\r\ndevice=Z.386\r\n"},
      {"[boot]\r\n", "[boot]\r\n[386Enh]\r\ndevice=Z.386\r\n"},
      {"", "[386Enh]\r\ndevice=Z.386\r\n"},
  };
  for (const auto& c : cases) EXPECT_EQ(c.After, AddDeviceLine(c.Before, "Z.386")) << c.Before;
}
