#pragma once
// The grid's current cell and its selection rectangle, moved by the keyboard and the
// mouse. The selection is the rectangle between an anchor cell and the current cell, so
// selecting every row costs nothing per row. Rows are display rows (0-based); columns are
// data columns 1..columns-1 (column 0, the row numbers, is never current).
namespace quorvane::view {

struct GridSelection {
  int top = 0, bottom = 0, left = 1, right = 1;
  bool operator==(const GridSelection&) const = default;
  bool contains(int row, int column) const { return row >= top && row <= bottom && column >= left && column <= right; }
  bool singleCell() const { return top == bottom && left == right; }
};

enum class GridKey : unsigned char { Up, Down, Left, Right, PageUp, PageDown, Home, End, CtrlHome, CtrlEnd };

struct GridExtent {
  int rows = 0;      // display rows
  int columns = 0;   // the layout's column count, column 0 included
  int pageRows = 1;  // rows fully visible
};

struct GridCursor {
  int row = 0, column = 1;
  int anchorRow = 0, anchorColumn = 1;

  GridSelection selection() const;
  // Makes (row, column) current; extend keeps the anchor (Shift), otherwise the
  // selection collapses onto the cell. Clamped to the extent.
  void moveTo(int newRow, int newColumn, bool extend, const GridExtent& extent);
  // One key: arrows by one cell, Page Up/Down by a page, Home/End to the first or last
  // column, Ctrl+Home/End to the first or last row.
  void press(GridKey key, bool extend, const GridExtent& extent);
  // The whole grid as one rectangle; the current cell goes to its bottom right.
  void selectAll(const GridExtent& extent);
  // Keeps cursor and anchor inside the extent (after the rows or the layout changed).
  void clamp(const GridExtent& extent);
};

// The top row after scrolling just enough to show row with pageRows rows visible.
int TopRowShowing(int top, int row, int pageRows, int rows);

// The highest top row: the last page is full.
int MaximumTopRow(int rows, int pageRows);

// After the grid scrolled to top: a single-cell selection follows into view (to the first
// visible row when above, to the last when below). Returns whether the cursor moved.
bool FollowScroll(GridCursor& cursor, int top, int pageRows, const GridExtent& extent);

}  // namespace quorvane::view
