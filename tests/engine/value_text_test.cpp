#include "engine/value_text.h"

#include <gtest/gtest.h>

namespace quorvane {
namespace {

TEST(ValueText, DateTimeInTheThreeOrders) {
  struct Case {
    std::uint32_t packed;
    int format;
    const char* dateTime;
  } cases[] = {
      {0x3C210000, 0, "01/01/2010 00:00:00"},
      {0x3C210000, 1, "01/01/2010 00:00:00"},
      {0x3C210000, 2, "2010/01/01 00:00:00"},
      {0x41996DBD, 0, "12/25/2012 13:45:58"},
      {0x41996DBD, 1, "25/12/2012 13:45:58"},
      {0x41996DBD, 2, "2012/12/25 13:45:58"},
      {0x41996DBD, 7, "2012/12/25 13:45:58"},  // any other value is year first
      {0, 0, "00/00/1980 00:00:00"},
      {0, 1, "00/00/1980 00:00:00"},
      {0, 2, "1980/00/00 00:00:00"},
      {0xFFFFFFFF, 0, "15/31/2107 31:63:62"},  // fields beyond calendar ranges show as held
  };
  for (const Case& c : cases) {
    const std::string text = DateTimeText(c.packed, c.format);
    EXPECT_EQ(text, c.dateTime) << std::hex << c.packed << " format " << c.format;
    EXPECT_EQ(DateText(c.packed, c.format), text.substr(0, 10));
    EXPECT_EQ(TimeText(c.packed), text.substr(11));
  }
  EXPECT_EQ(FixedDateTimeText(0x41996DBD), "2012/12/25 13:45:58");
}

TEST(ValueText, PackAndUnpack) {
  EXPECT_EQ(PackTime({2012, 12, 25, 13, 45, 58}), 0x41996DBDu);
  EXPECT_EQ(PackTime({2012, 12, 25, 13, 45, 59}), 0x41996DBDu);  // an odd second stores the even one below
  EXPECT_EQ(PackTime({1979, 12, 31, 23, 59, 58}), 0u);
  EXPECT_EQ(PackTime({1980, 1, 1, 0, 0, 0}), 0x00210000u);
  const platform::DosDateTime t = UnpackTime(0x41996DBD);
  EXPECT_EQ(t.year, 2012);
  EXPECT_EQ(t.month, 12);
  EXPECT_EQ(t.day, 25);
  EXPECT_EQ(t.hour, 13);
  EXPECT_EQ(t.minute, 45);
  EXPECT_EQ(t.second, 58);
}

TEST(ValueText, HexFormsAndParsing) {
  EXPECT_EQ(HexByte(0x0A), "0A");
  EXPECT_EQ(HexWord(0xBEEF), "BEEF");
  EXPECT_EQ(HexWord(0x1), "0001");
  EXPECT_EQ(HexLong(0x352441C2), "352441C2");
  EXPECT_EQ(HexLong(0), "00000000");
  struct Case {
    const char* text;
    std::uint16_t word;
    std::uint32_t longValue;
  } cases[] = {
      {"00ff", 0x00FF, 0x00FF},
      {"0G1Z", 16, 16},  // characters other than 1-9, A-F count 0
      {"FFFF", 0xFFFF, 0xFFFF},
      {"352441C2", 0x3524, 0x352441C2},
      {"352441C2tail", 0x3524, 0x352441C2},
      {"ff", 0xFF, 0xFF},  // a shorter text gives the value of its characters
      {"", 0, 0},
      {"-1", 1, 1},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ParseHexWord(c.text), c.word) << c.text;
    EXPECT_EQ(ParseHexLong(c.text), c.longValue) << c.text;
  }
}

TEST(ValueText, SmallTexts) {
  EXPECT_EQ(TwoDigits(7), "07");
  EXPECT_EQ(TwoDigits(0), "00");
  EXPECT_EQ(TwoDigits(42), "42");
  EXPECT_EQ(TwoDigits(123), "12");

  struct Attr {
    std::uint8_t bits;
    const char* text;
  } attrs[] = {{0x27, "R H S A"}, {0x08, "Volume label"}, {0x10, "- - - -"}, {0x21, "R - - A"}, {0x00, "- - - -"}};
  for (const Attr& a : attrs) EXPECT_EQ(AttributeText(a.bits), a.text) << int(a.bits);

  EXPECT_EQ(LastPosition('\\', "a\\b\\c"), 4u);
  EXPECT_EQ(LastPosition('x', "abc"), 0u);
  EXPECT_EQ(LastPosition('a', "a"), 1u);

  EXPECT_EQ(TrimBlanks("  a b  "), "a b");
  EXPECT_EQ(TrimBlanks("\tx "), "\tx");  // only the blank counts
  EXPECT_EQ(TrimBlanks("   "), "");

  struct Num {
    const char* text;
    std::int32_t value;
  } nums[] = {{"123", 123}, {"-45", -45}, {"+7", 7}, {"12a", 0}, {"", 0}, {" 1", 0}, {"2147483647", 2147483647},
              {"2147483648", 0}, {"-2147483648", INT32_MIN}, {"+-1", 0}};
  for (const Num& n : nums) EXPECT_EQ(TextToInteger(n.text), n.value) << n.text;

  EXPECT_EQ(CompareUnsigned(std::uint16_t{0xFFFF}, std::uint16_t{1}), 1);
  EXPECT_EQ(CompareUnsigned(std::uint32_t{1}, std::uint32_t{0x80000000}), -1);
  EXPECT_EQ(CompareUnsigned(std::uint32_t{5}, std::uint32_t{5}), 0);
}

TEST(ValueText, NetworkFormLeavesLocalPathsUnchanged) {
  EXPECT_EQ(NetworkForm("/definitely/not/a/share/x"), "/definitely/not/a/share/x");
  EXPECT_EQ(NetworkForm("relative\\path"), "relative\\path");
}

}  // namespace
}  // namespace quorvane
