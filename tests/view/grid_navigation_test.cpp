// The current cell and the selection rectangle under keys, select-all and scrolling.
#include <gtest/gtest.h>

#include "view/grid_navigation.h"

namespace quorvane::view {
namespace {

constexpr GridExtent kExtent = {100, 10, 20};

TEST(GridNavigation, KeysMoveTheCurrentCellWithinTheGrid) {
  struct Case {
    int row, column;
    GridKey key;
    int wantRow, wantColumn;
  };
  const Case cases[] = {
      {5, 3, GridKey::Up, 4, 3},         {0, 3, GridKey::Up, 0, 3},        {5, 3, GridKey::Down, 6, 3},
      {99, 3, GridKey::Down, 99, 3},     {5, 3, GridKey::Left, 5, 2},      {5, 1, GridKey::Left, 5, 1},
      {5, 9, GridKey::Right, 5, 9},      {5, 3, GridKey::PageDown, 25, 3}, {90, 3, GridKey::PageDown, 99, 3},
      {25, 3, GridKey::PageUp, 5, 3},    {5, 3, GridKey::PageUp, 0, 3},    {5, 3, GridKey::Home, 5, 1},
      {5, 3, GridKey::End, 5, 9},        {50, 3, GridKey::CtrlHome, 0, 3}, {5, 3, GridKey::CtrlEnd, 99, 3},
  };
  for (const Case& k : cases) {
    GridCursor cursor;
    cursor.moveTo(k.row, k.column, false, kExtent);
    cursor.press(k.key, false, kExtent);
    EXPECT_EQ(cursor.row, k.wantRow) << "from " << k.row << "," << k.column << " key " << int(k.key);
    EXPECT_EQ(cursor.column, k.wantColumn) << "from " << k.row << "," << k.column << " key " << int(k.key);
    EXPECT_TRUE(cursor.selection().singleCell());
  }
}

TEST(GridNavigation, ShiftExtendsTheRectangleFromTheAnchor) {
  GridCursor cursor;
  cursor.moveTo(10, 4, false, kExtent);
  cursor.press(GridKey::Down, true, kExtent);
  cursor.press(GridKey::Down, true, kExtent);
  cursor.press(GridKey::Left, true, kExtent);
  EXPECT_EQ(cursor.selection(), (GridSelection{10, 12, 3, 4}));
  cursor.press(GridKey::CtrlHome, true, kExtent);
  EXPECT_EQ(cursor.selection(), (GridSelection{0, 10, 3, 4}));
  cursor.press(GridKey::Right, false, kExtent);
  EXPECT_EQ(cursor.selection(), (GridSelection{0, 0, 4, 4}));
}

TEST(GridNavigation, SelectAllIsOneRectangleAndClampKeepsItInside) {
  GridCursor cursor;
  cursor.selectAll({1'000'000, 10, 50});
  EXPECT_EQ(cursor.selection(), (GridSelection{0, 999'999, 1, 9}));
  cursor.clamp({10, 7, 5});
  EXPECT_EQ(cursor.selection(), (GridSelection{0, 9, 1, 6}));
  cursor.clamp({0, 7, 5});
  EXPECT_EQ(cursor.selection(), (GridSelection{0, 0, 1, 6}));
}

TEST(GridNavigation, ScrollingShowsTheRowAndASingleCellFollowsTheView) {
  EXPECT_EQ(TopRowShowing(10, 5, 20, 100), 5);
  EXPECT_EQ(TopRowShowing(10, 29, 20, 100), 10);
  EXPECT_EQ(TopRowShowing(10, 30, 20, 100), 11);
  EXPECT_EQ(TopRowShowing(0, 99, 20, 100), 80);
  EXPECT_EQ(TopRowShowing(0, 5, 20, 10), 0);
  EXPECT_EQ(MaximumTopRow(100, 20), 80);

  GridCursor cursor;
  cursor.moveTo(3, 2, false, kExtent);
  EXPECT_TRUE(FollowScroll(cursor, 40, 20, kExtent));
  EXPECT_EQ(cursor.row, 40);
  EXPECT_TRUE(FollowScroll(cursor, 0, 20, kExtent));
  EXPECT_EQ(cursor.row, 19);
  cursor.press(GridKey::Down, true, kExtent);
  EXPECT_FALSE(FollowScroll(cursor, 60, 20, kExtent)) << "a range stays where it is";
  EXPECT_EQ(cursor.row, 20);
}

}  // namespace
}  // namespace quorvane::view
