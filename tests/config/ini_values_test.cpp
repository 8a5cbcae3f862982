#include "config/ini_values.h"

#include <gtest/gtest.h>

#include "support/temp_ini.h"

namespace quorvane {
namespace {

TEST(IniValues, ColourAndMaskParsing) {
  constexpr std::uint32_t kCurrent = 0x12345678;
  struct Case {
    const char* text;
    std::uint32_t value;
  } cases[] = {
      {"FF", 0x000000FF},         // two digits read as "00" + them
      {"00ff", 0x00FF},           // four digits: a mask
      {"0000FF00", 0x0000FF00},   // eight digits: a colour
      {"00ff00ff", 0x00FF00FF},   // either case
      {"00FF00FF7", 0x00FF00FF},  // only the first 8 characters count
      {"12345", kCurrent},        // any other length keeps the current value
      {"GG00FF00", kCurrent},     // not hexadecimal
      {"F", kCurrent},
      {"", kCurrent},
      {"$!$", kCurrent},
      {"FF FF", kCurrent},
  };
  for (const Case& c : cases) EXPECT_EQ(ColourFromText(c.text, kCurrent), c.value) << c.text;

  test::TempIni ini("[Display]\nFore3=FF\nFore4=12345\nFore5=  00ff00ff  \n");
  EXPECT_EQ(ReadColour("Display", "Fore3", kCurrent), 0xFFu);
  EXPECT_EQ(ReadColour("display", "fore4", kCurrent), kCurrent);
  EXPECT_EQ(ReadColour("Display", "Fore5", kCurrent), 0x00FF00FFu);
  EXPECT_EQ(ReadColour("Display", "Fore6", kCurrent), kCurrent);
}

TEST(IniValues, StyleLetters) {
  struct Case {
    const char* letters;
    std::uint8_t style;
  } cases[] = {
      {"", 0}, {"B", tsBold}, {"UB", tsBold | tsUnderline}, {"bu", 0}, {"BIUS", 0x0F}, {"SxB", tsBold | tsStrikeOut},
  };
  for (const Case& c : cases) EXPECT_EQ(StyleFromLetters(c.letters), c.style) << c.letters;
  EXPECT_EQ(StyleLetters(0), "");
  EXPECT_EQ(StyleLetters(tsStrikeOut | tsBold), "BS");
  EXPECT_EQ(StyleLetters(0x0F), "BIUS");
  for (int style = 0; style < 16; ++style)
    EXPECT_EQ(StyleFromLetters(StyleLetters(static_cast<std::uint8_t>(style))), style);
}

TEST(IniValues, ColumnWidthsText) {
  ColumnWidths widths{};
  for (std::size_t i = 0; i < kColumnWidthCount; ++i) widths[i] = static_cast<int>(i * 37);
  widths[3] = 0xABCD;
  widths[4] = 70000;  // cannot be held in 4 digits: written as FFFF so the text keeps its length
  widths[5] = -3;     // written as 0
  const std::string text = ColumnWidthsText(widths);
  ASSERT_EQ(text.size(), 60u);
  EXPECT_EQ(text.substr(0, 16), "00000025004AABCD");

  ColumnWidths back{};
  ASSERT_TRUE(ColumnWidthsFromText(text, back));
  EXPECT_EQ(back[3], 0xABCD);
  EXPECT_EQ(back[4], 0xFFFF);
  EXPECT_EQ(back[5], 0);
  EXPECT_EQ(back[14], 14 * 37);

  ColumnWidths untouched{};
  untouched.fill(9);
  EXPECT_FALSE(ColumnWidthsFromText(text.substr(0, 59), untouched));
  EXPECT_FALSE(ColumnWidthsFromText(text + "0", untouched));
  EXPECT_EQ(untouched[0], 9);

  std::string bad = text;
  bad.replace(4, 4, "00x1");  // a piece that does not parse gives 0
  ASSERT_TRUE(ColumnWidthsFromText(bad, back));
  EXPECT_EQ(back[1], 0);
  EXPECT_EQ(back[2], 74);
}

TEST(IniValues, PositionParsing) {
  const WindowPlacement before{1, 2, 3, 4, WindowPlacement::Normal};
  struct Case {
    const char* text;
    WindowPlacement after;
  } cases[] = {
      {"T10L20H300W400", {10, 20, 300, 400}},
      {"  T10L20H300W400  ", {10, 20, 300, 400}},
      {"TxL20H300W400", {1, 20, 300, 400}},     // a piece that does not convert stays
      {"T-50L0H300W400", {1, 0, 300, 400}},     // below -9 stays
      {"T-9L-10H300W400", {-9, 2, 300, 400}},
      {"T10L20H300W123456", {10, 20, 300, 1234}},  // at most 4 characters after W
      {"T10L20H300", {10, 20, 3, 4}},           // no W: neither height nor width
      {"T10H300W400", {1, 2, 300, 400}},        // no L
      {"", {1, 2, 3, 4}},
      {"garbage", {1, 2, 3, 4}},
      {"W5H6L7T8", {1, 2, 3, 4}},  // pieces out of order convert to nothing
  };
  for (const Case& c : cases) {
    WindowPlacement p = before;
    ApplyPositionText(c.text, p);
    EXPECT_EQ(p, c.after) << c.text;
  }
  EXPECT_EQ(PositionText({10, -20, 300, 400}), "T10L-20H300W400");
}

TEST(IniValues, ReadersKeepTheSettingWhenTheKeyIsMissingOrMalformed) {
  test::TempIni ini("[S]\nFlagOn=5\nFlagOff=0\nFlagBad=yes\nNum=42\nNumBad=4x\nSentinel=-777\nText=  hello  \nTextSentinel=$!$\nEmpty=\n");
  struct FlagCase {
    const char* key;
    bool start;
    bool after;
  } flags[] = {{"FlagOn", false, true},  {"FlagOff", true, false}, {"FlagBad", true, true},
               {"FlagBad", false, false}, {"Missing", true, true}};
  for (const FlagCase& c : flags) {
    bool value = c.start;
    ReadFlag("S", c.key, value);
    EXPECT_EQ(value, c.after) << c.key << " read over " << c.start;
  }
  struct NumberCase {
    const char* key;
    int after;
  } numbers[] = {{"Num", 42}, {"NumBad", 7}, {"Sentinel", 7}, {"Missing", 7}, {"Text", 7}};
  for (const NumberCase& c : numbers) {
    int value = 7;
    ReadNumber("S", c.key, value);
    EXPECT_EQ(value, c.after) << c.key;
  }
  struct TextCase {
    const char* key;
    const char* after;
  } texts[] = {{"Text", "hello"}, {"TextSentinel", "keep"}, {"Missing", "keep"}, {"Empty", ""}};
  for (const TextCase& c : texts) {
    std::string value = "keep";
    ReadText("S", c.key, value);
    EXPECT_EQ(value, c.after) << c.key;
  }
}

}  // namespace
}  // namespace quorvane
