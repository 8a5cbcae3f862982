#include "view/grid_navigation.h"

#include <algorithm>

namespace quorvane::view {

namespace {

int clampRow(int row, const GridExtent& e) { return std::clamp(row, 0, std::max(0, e.rows - 1)); }
int clampColumn(int column, const GridExtent& e) { return std::clamp(column, 1, std::max(1, e.columns - 1)); }

}  // namespace

GridSelection GridCursor::selection() const {
  return {std::min(row, anchorRow), std::max(row, anchorRow), std::min(column, anchorColumn),
          std::max(column, anchorColumn)};
}

void GridCursor::moveTo(int newRow, int newColumn, bool extend, const GridExtent& extent) {
  row = clampRow(newRow, extent);
  column = clampColumn(newColumn, extent);
  if (!extend) anchorRow = row, anchorColumn = column;
}

void GridCursor::press(GridKey key, bool extend, const GridExtent& extent) {
  const int page = std::max(1, extent.pageRows);
  int r = row, c = column;
  switch (key) {
    case GridKey::Up: --r; break;
    case GridKey::Down: ++r; break;
    case GridKey::Left: --c; break;
    case GridKey::Right: ++c; break;
    case GridKey::PageUp: r -= page; break;
    case GridKey::PageDown: r += page; break;
    case GridKey::Home: c = 1; break;
    case GridKey::End: c = extent.columns - 1; break;
    case GridKey::CtrlHome: r = 0; break;
    case GridKey::CtrlEnd: r = extent.rows - 1; break;
  }
  moveTo(r, c, extend, extent);
}

void GridCursor::selectAll(const GridExtent& extent) {
  anchorRow = 0;
  anchorColumn = 1;
  row = clampRow(extent.rows - 1, extent);
  column = clampColumn(extent.columns - 1, extent);
}

void GridCursor::clamp(const GridExtent& extent) {
  row = clampRow(row, extent);
  column = clampColumn(column, extent);
  anchorRow = clampRow(anchorRow, extent);
  anchorColumn = clampColumn(anchorColumn, extent);
}

int MaximumTopRow(int rows, int pageRows) { return std::max(0, rows - std::max(1, pageRows)); }

int TopRowShowing(int top, int row, int pageRows, int rows) {
  const int page = std::max(1, pageRows);
  if (row < top) top = row;
  else if (row >= top + page) top = row - page + 1;
  return std::clamp(top, 0, MaximumTopRow(rows, page));
}

bool FollowScroll(GridCursor& cursor, int top, int pageRows, const GridExtent& extent) {
  if (!cursor.selection().singleCell() || extent.rows <= 0) return false;
  const int last = top + std::max(1, pageRows) - 1;
  int r = cursor.row;
  if (r < top) r = top;
  else if (r > last) r = last;
  if (r == cursor.row) return false;
  cursor.moveTo(r, cursor.column, false, extent);
  return true;
}

}  // namespace quorvane::view
