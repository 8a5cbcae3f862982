#include "engine/sort_choice.h"

#include <gtest/gtest.h>

#include "engine/filter_fixture.h"
#include "engine/sort_menu_state.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"

namespace quorvane {
namespace {

using test::addEntries;
using test::pathsOf;

TEST(SortMenu, TagsKindsAndTypesFollowTheTablesOfBothModes) {
  struct Row {
    int tag, kind, typeComparing, typeSnapshot;  // -1: the previous type stays
  };
  const Row rows[] = {{1, 1, 1, 1},  {2, 2, 2, 2},   {3, 3, 3, 3},   {4, 4, 4, 9},  {5, 4, 4, 9},  {6, 5, 5, 10},
                      {7, 5, 5, 10}, {8, 6, 6, 0},   {9, 7, 7, -1},  {10, 8, 8, -1}, {11, 9, 0, 0}};
  for (const Row& r : rows) {
    SCOPED_TRACE(kSortMenuCaptions[static_cast<std::size_t>(r.tag - 1)]);
    EXPECT_EQ(SortKindOfMenuTag(r.tag), r.kind);
    EXPECT_EQ(SortTypeNumber(SortTypeOfKind(r.kind, false, SortType::NewTime)), r.typeComparing);
    EXPECT_EQ(SortTypeNumber(SortTypeOfKind(r.kind, true, SortType::NewTime)), r.typeSnapshot < 0 ? 3 : r.typeSnapshot);
  }
  EXPECT_EQ(SortTypeOfKind(0, false, SortType::OldName), SortType::FullPath);
  EXPECT_EQ(SortTypeOfKind(0, true, SortType::OldName), SortType::FullPath);
  EXPECT_EQ(SortKindOfMenuTag(0), -1);
  EXPECT_EQ(SortKindOfMenuTag(12), -1);
  EXPECT_EQ(SortTypeOfKind(10, false, SortType::NewCrc), SortType::NewCrc);
}

TEST(SortMenu, EnabledItemsDependOnTheModeAndTheCheckFollowsTheType) {
  SortMenuState menu;
  UpdateSortMenu(menu, false, SortType::FullPath);
  for (int tag = 1; tag <= kSortMenuItems; ++tag) EXPECT_EQ(menu.IsEnabled(tag), tag != 5 && tag != 6) << tag;
  UpdateSortMenu(menu, true, SortType::FullPath);
  for (int tag = 1; tag <= kSortMenuItems; ++tag) EXPECT_EQ(menu.IsEnabled(tag), tag < 7 || tag > 9) << tag;
  // Check by type: 0 "&Full pathname", 1..4 New items, 5 "&Old Filename" ... 8 "Old CRC", 9 "CRC 16", 10 "CRC 32".
  const int checkedTag[] = {11, 1, 2, 3, 4, 7, 8, 9, 10, 5, 6};
  for (int type = 0; type <= 10; ++type) {
    UpdateSortMenu(menu, false, SortTypeFromNumber(type).value());
    EXPECT_EQ(menu.CheckedTag, checkedTag[type]) << type;
  }
}

class SortChoiceTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  SortChoiceTest() : ComparisonFixture(nullptr) {
    settings.AutoMode = true;
    addEntries(c.Files, {{"b\\x.txt", stIdentical, 3, 3}, {"a.txt", stIdentical, 7, 7}, {"a\\x.txt", stIdentical, 5, 5}});
  }
  std::string shown() { return pathsOf(c.Display.Items()); }
};

TEST_F(SortChoiceTest, ChoosingTheSameTypeAgainReversesAndAnotherSortsAscending) {
  ChooseSortMenuItem(c, 2);  // "New Size"
  EXPECT_EQ(shown(), "b\\x.txt a\\x.txt a.txt");
  EXPECT_FALSE(c.Display.Descending);
  ChooseSortMenuItem(c, 2);
  EXPECT_EQ(shown(), "a.txt a\\x.txt b\\x.txt");
  EXPECT_TRUE(c.Display.Descending);
  ChooseSortMenuItem(c, 11);  // "&Full pathname"
  EXPECT_EQ(shown(), "a.txt a\\x.txt b\\x.txt");
  EXPECT_FALSE(c.Display.Descending);
  EXPECT_EQ(c.Display.SortKind, 9);
  EXPECT_EQ(c.Display.SortType, SortType::FullPath);
  EXPECT_EQ(c.State.Commands.SortMenu.CheckedTag, 11);
  ChooseSortMenuItem(c, 11);  // the same type with a kind other than 0: reversed
  EXPECT_EQ(shown(), "b\\x.txt a\\x.txt a.txt");
  EXPECT_TRUE(c.Display.Descending);
  SetSort(c, 0);  // the column 0 header never reverses
  EXPECT_EQ(shown(), "a.txt a\\x.txt b\\x.txt");
  EXPECT_FALSE(c.Display.Descending);
  ChooseSortMenuItem(c, 1);  // "&New Filename": equal names, then directories
  EXPECT_EQ(shown(), "a.txt a\\x.txt b\\x.txt");
  EXPECT_EQ(c.State.Commands.SortMenu.CheckedTag, 1);
}

TEST_F(SortChoiceTest, InSnapshotModeOldDateKeepsTheTypeAndReverses) {
  c.State.SnapshotMode = true;
  ChooseSortMenuItem(c, 6);  // "CRC 32"
  EXPECT_EQ(c.Display.SortType, SortType::Crc32);
  EXPECT_FALSE(c.Display.Descending);
  EXPECT_TRUE(c.State.Commands.SortMenu.IsEnabled(6));
  EXPECT_EQ(c.State.Commands.SortMenu.CheckedTag, 6);
  SetSort(c, 7);  // a header click on a column the snapshot layout maps to no type
  EXPECT_EQ(c.Display.SortType, SortType::Crc32);
  EXPECT_EQ(c.Display.SortKind, 7);
  EXPECT_TRUE(c.Display.Descending);
}

TEST_F(SortChoiceTest, ResetSortAndBadChoices) {
  ChooseSortMenuItem(c, 3);
  ChooseSortMenuItem(c, 3);
  SetSort(c, 10);
  SetSort(c, -1);
  ChooseSortMenuItem(c, 0);
  EXPECT_EQ(c.Display.SortType, SortType::NewTime);
  EXPECT_TRUE(c.Display.Descending);
  ResetSort(c);
  EXPECT_EQ(c.Display.SortKind, 0);
  EXPECT_EQ(c.Display.SortType, SortType::FullPath);
  EXPECT_FALSE(c.Display.Descending);
  EXPECT_EQ(c.State.Commands.SortMenu.CheckedTag, 11);
}

}  // namespace
}  // namespace quorvane
