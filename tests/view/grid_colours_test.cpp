// The cell colour tables: which status colour each column of each status byte takes.
#include <gtest/gtest.h>

#include <string>

#include "config/colour_sets.h"
#include "engine/file_entry.h"
#include "view/grid_colours.h"

namespace quorvane::view {
namespace {

// A set whose every colour names its status and side: fore 0x100 + index, back 0x200 + index.
ColourSet markedSet() {
  ColourSet s;
  for (std::size_t i = 0; i < kStatusCount; ++i) s.Fore[i] = 0x100 + static_cast<Colour>(i), s.Back[i] = 0x200 + static_cast<Colour>(i);
  return s;
}

constexpr int I = 0, X = 1, INS = 2, DEL = 3, NEW = 4, OLD = 5, BIG = 6, SMALL = 7;

TEST(GridColours, EachColumnTakesTheColoursOfItsRule) {
  struct Case {
    std::uint16_t status;
    std::array<int, 10> expected;  // status index per column 1..9 (index 0 unused)
  };
  const Case cases[] = {
      {stIdentical, {0, I, I, I, I, I, I, I, I, I}},
      {stCrcDiffers, {0, X, I, I, I, X, I, I, I, I}},
      {stInserted, {0, INS, INS, INS, INS, INS, INS, INS, INS, I}},
      {stDeleted, {0, DEL, DEL, DEL, DEL, DEL, DEL, DEL, DEL, I}},
      {stInserted | stDeleted, {0, INS, INS, INS, INS, INS, INS, INS, INS, I}},
      {stInserted | stNewer | stCrcDiffers, {0, INS, INS, INS, INS, INS, INS, INS, INS, I}},
      {stNewer | stSmaller, {0, I, SMALL, NEW, I, I, BIG, OLD, I, I}},
      {stOlder | stBigger | stCrcDiffers, {0, X, BIG, OLD, I, X, SMALL, NEW, I, I}},
      // Both time bits: Older is applied last and wins; likewise Smaller over Bigger.
      {stNewer | stOlder, {0, I, I, OLD, I, I, I, NEW, I, I}},
      {stBigger | stSmaller, {0, I, SMALL, I, I, I, BIG, I, I, I}},
      {0, {0, I, I, I, I, I, I, I, I, I}},
  };
  const GridColours g = PrepareGridColours(markedSet(), kCustomColourSet);
  for (const Case& k : cases)
    for (int column = 1; column <= 9; ++column) {
      const Colour want = static_cast<Colour>(k.expected[static_cast<std::size_t>(column)]);
      EXPECT_EQ(g.ForeOf(k.status, column), 0x100 + want) << "status " << k.status << " column " << column;
      EXPECT_EQ(g.BackOf(k.status, column), 0x200 + want) << "status " << k.status << " column " << column;
    }
}

TEST(GridColours, OnlyTheLowByteOfTheStatusChoosesTheRow) {
  const GridColours g = PrepareGridColours(markedSet(), 0);
  EXPECT_EQ(g.BackOf(0x0100 | stInserted, 1), 0x200u + INS);
}

TEST(GridColours, SnapshotColoursFollowTheSetAndCustomComesFromTheSettings) {
  Settings settings;
  settings.CustomColours = markedSet();
  for (int set : {0, 1, 2, 3, 7, -1}) {
    settings.ColorSet = set;
    const GridColours g = PrepareGridColours(settings);
    EXPECT_EQ(g.SnapshotFore, set == 2 ? kWhite : kBlack) << "set " << set;
    EXPECT_EQ(g.SnapshotBack, set == 2 ? kNavy : kWhite) << "set " << set;
    const ColourSet& chosen = ColoursOfSet(settings, set);
    EXPECT_EQ(g.BackOf(stDeleted, 6), chosen.Back[DEL]) << "set " << set;
  }
  settings.ColorSet = 3;
  EXPECT_EQ(PrepareGridColours(settings).ForeOf(stNewer, 3), 0x100u + NEW);
}

}  // namespace
}  // namespace quorvane::view
