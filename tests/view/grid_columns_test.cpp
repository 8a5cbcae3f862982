// The column layouts, default widths and remembered widths.
#include <gtest/gtest.h>

#include <map>
#include <string>

#include "view/grid_columns.h"

namespace quorvane::view {
namespace {

// avg 7, digit 6, proportional, row 15, "0000 " 30, "ABCDEF56 " 60.
constexpr FontMeasure kFont = {7, 6, false, 15, 30, 60};

TEST(GridColumns, MeasureFontTakesRoundedAveragesAndThePitchTest) {
  const std::map<std::string, int> widths = {{"ABCmjo", 45}, {"0123456789", 64}, {"i", 3}, {"M", 9},
                                             {"0000 ", 31},  {"ABCDEF56 ", 58}};
  // Single hexadecimal digits are 6 wide but "D", 9.
  const FontMeasure f = MeasureFont(
      [&](std::string_view t) {
        const auto it = widths.find(std::string(t));
        return it != widths.end() ? it->second : t == "D" ? 9 : 6;
      },
      14);
  EXPECT_EQ(f.averageCharWidth, 8);  // 7.5 rounds up
  EXPECT_EQ(f.digitWidth, 6);        // 6.4
  EXPECT_FALSE(f.fixedPitch);
  EXPECT_EQ(f.rowHeight, 14);
  EXPECT_EQ(f.crc16TextWidth, 31);
  EXPECT_EQ(f.crc32TextWidth, 58);
  EXPECT_EQ(f.hexDigitWidth, 9);
  EXPECT_TRUE(MeasureFont([](std::string_view t) { return static_cast<int>(t.size()) * 8; }, 14).fixedPitch);
}

TEST(GridColumns, DefaultsOfBothLayouts) {
  const ColumnWidths d = DefaultColumnWidths(kFont, 100);
  EXPECT_EQ(d, (ColumnWidths{108, 72, 108, 54, 108, 72, 108, 54, 336, 108, 72, 108, 34, 64, 336}));
  FontMeasure fixed = kFont;
  fixed.fixedPitch = true;
  EXPECT_EQ(DefaultColumnWidths(fixed, 100)[2], 6 * 19);
  EXPECT_EQ(DefaultColumnWidths(kFont, 0)[0], 13 * 7 + 8) << "a list never measured";
  FontMeasure wideLetters = kFont;
  wideLetters.hexDigitWidth = 8;  // letters a third wider than digits: 8 x 8 + 4 beats 6 x 9
  EXPECT_EQ(DefaultColumnWidths(wideLetters, 100)[3], 68);
  EXPECT_EQ(DefaultColumnWidths(wideLetters, 100)[7], 68);
}

TEST(GridColumns, LayoutTitlesCountAndRowNumberColumn) {
  Settings settings;
  const ColumnLayout two = SetUpColumns(kFont, 100, 12345, false, settings);
  EXPECT_EQ(two.count, 10);
  const std::array<std::string_view, 10> titles = {"",     "New file", "Size",     "DateTime", "CRC",
                                                   "Old file", "Size",  "DateTime", "CRC",      "Directory"};
  EXPECT_EQ(two.titles, titles);
  EXPECT_EQ(two.widths[0], 5 * 7 + 4);
  EXPECT_EQ(two.widths[9], 336);
  EXPECT_EQ(two.directoryColumn(), 9);
  EXPECT_EQ(two.newColumnsWidth(), 39 + 108 + 72 + 108 + 54 + 5);

  const ColumnLayout snap = SetUpColumns(kFont, 100, 7, true, settings);
  EXPECT_EQ(snap.count, 7);
  EXPECT_EQ(snap.titles[4], "Crc16");
  EXPECT_EQ(snap.titles[5], "Crc32");
  EXPECT_EQ(snap.titles[6], "Directory");
  EXPECT_EQ(snap.widths[0], 1 * 7 + 4);
  EXPECT_EQ((std::array<int, 6>{snap.widths[1], snap.widths[2], snap.widths[3], snap.widths[4], snap.widths[5],
                                snap.widths[6]}),
            (std::array<int, 6>{108, 72, 108, 34, 64, 336}));
  EXPECT_EQ(SetUpColumns(kFont, 100, 0, false, settings).widths[0], 7 + 4);
}

TEST(GridColumns, RememberedWidthsSurviveOnlyWithoutAutoColWidth) {
  struct Case {
    bool autoWidth;
    int remembered;  // every ColWidths entry before the setup
    int expectName;  // column 1 afterwards
  };
  for (const Case k : {Case{true, 250, 208}, Case{false, 250, 250}, Case{false, 0, 208}, Case{false, -3, 208},
                       Case{true, 0, 208}}) {
    Settings settings;
    settings.AutoColWidth = k.autoWidth;
    settings.ColWidths.fill(k.remembered);
    const ColumnLayout layout = SetUpColumns(kFont, 200, 10, false, settings);
    EXPECT_EQ(layout.widths[1], k.expectName) << "auto " << k.autoWidth << " remembered " << k.remembered;
    EXPECT_EQ(settings.ColWidths[0], k.expectName) << "the default is stored";
    EXPECT_EQ(settings.ColWidths[9], k.expectName) << "the snapshot layout's name column too";
  }
}

TEST(GridColumns, NameColumnsFollowTheWidestNameAfterEveryComparison) {
  Settings settings;  // AutoColWidth on
  EXPECT_EQ(SetUpColumns(kFont, 100, 10, false, settings).widths[5], 108);
  EXPECT_EQ(SetUpColumns(kFont, 300, 10, false, settings).widths[5], 308);
}

TEST(GridColumns, ResizedWidthsAreRememberedPerLayout) {
  Settings settings;
  settings.AutoColWidth = false;
  ColumnLayout two = SetUpColumns(kFont, 100, 10, false, settings);
  for (int c = 1; c < 10; ++c) two.widths[static_cast<std::size_t>(c)] = 10 + c;
  RememberColumnWidths(two, settings);
  ColumnLayout snap = SetUpColumns(kFont, 100, 10, true, settings);
  EXPECT_EQ(snap.widths[1], 108) << "the snapshot widths are their own";
  for (int c = 1; c < 7; ++c) snap.widths[static_cast<std::size_t>(c)] = 100 + c;
  RememberColumnWidths(snap, settings);
  EXPECT_EQ(settings.ColWidths, (ColumnWidths{11, 12, 13, 14, 15, 16, 17, 18, 19, 101, 102, 103, 104, 105, 106}));
  EXPECT_EQ(SetUpColumns(kFont, 100, 10, false, settings).widths[9], 19);
  EXPECT_EQ(SetUpColumns(kFont, 100, 10, true, settings).widths[6], 106);
}

TEST(GridColumns, HeaderColumnsChooseTheirOwnSortKind) {
  for (int c = 0; c < 10; ++c) EXPECT_EQ(SortKindOfColumn(c, false), c);
  for (int c = 0; c < 7; ++c) EXPECT_EQ(SortKindOfColumn(c, true), c);
  EXPECT_EQ(SortKindOfColumn(7, true), -1);
  EXPECT_EQ(SortKindOfColumn(10, false), -1);
  EXPECT_EQ(SortKindOfColumn(-1, false), -1);
}

}  // namespace
}  // namespace quorvane::view
