#pragma once
// What one cell of the results grid shows: text, alignment, colours and the extras (alias
// suffix, moved marker, separator line), for data cells, row numbers and headers. The
// window paints exactly this; nothing here depends on how it paints.
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/alias_list.h"
#include "engine/display_index.h"
#include "engine/file_list.h"
#include "view/grid_colours.h"
#include "view/grid_columns.h"

namespace quorvane::view {

enum class CellAlign : std::uint8_t { Left, Right };

// Text is drawn this far inside the cell: from the left edge, or before the right edge.
inline constexpr int kTextMargin = 4;
inline constexpr int kRowNumberMargin = 2;

struct CellPaint {
  std::string text;
  CellAlign align = CellAlign::Left;
  Colour fore = kBlack;
  Colour back = kWhite;
  bool empty = false;     // no text: a side the entry does not have
  bool selected = false;  // a navy one-pixel border around the fill
  // Drawn in blue, right-aligned at the cell's right edge minus 1: "(.ext)" of an alias.
  std::string aliasText;
  // A green arrow after the text, then partnerText in blue (the directory column of an
  // entry with a moved partner).
  bool movedArrow = false;
  std::string partnerText;
  bool leftSeparator = false;  // a black line along the left edge (columns 5 and 9)
};

// Everything a data cell reads, handed in once per paint.
struct GridSource {
  FileList& files;  // the moved partner is looked up here
  const TDisplayIndex& display;
  const TAliasList& aliases;
  const GridColours& colours;
  int dateFormat = 0;
  bool snapshotMode = false;
};

// The cell of the entry in data column 1..9 (1..6 in snapshot mode). selected: the grid
// reports the cell selected or focused.
CellPaint EntryCell(const GridSource& source, const FileEntry& entry, int column, bool selected);
// The cell of display row (0-based) and column; an empty cell outside the index.
CellPaint DataCell(const GridSource& source, int row, int column, bool selected);

// The row-number cell of display row (0-based): grey on silver, or black on grey when
// trackSelection is on and the row lies within the selection's rows.
CellPaint RowNumberCell(int row, bool trackSelection, int selectionTop, int selectionBottom);

inline constexpr int kNoSortImage = -1;
inline constexpr int kSortImageDescending = 0;
inline constexpr int kSortImageAscending = 1;

struct HeaderPaint {
  std::string_view title;
  int sortImage = kNoSortImage;  // top right corner of the cell
};

// The header of a column: its title and, on the column the display index is sorted by
// (or the directory column when the sort is by full path), the sort image. Column 0 (the
// top-left corner) is blank.
HeaderPaint HeaderCell(const ColumnLayout& layout, const TDisplayIndex& display, int column);

// The left x of a text right-aligned in a cell spanning left..right (exclusive): its width
// is estimated as characters x digit width, so that figures line up digit under digit; a
// text measured wider than that (hexadecimal letters, a wide font) moves left by the
// difference instead of being cut at the cell's right edge.
inline int RightAlignedTextLeft(int right, std::size_t characters, int digitWidth, int measuredWidth = 0) {
  const int estimated = static_cast<int>(characters) * digitWidth;
  return right - kTextMargin - (measuredWidth > estimated ? measuredWidth : estimated);
}

// The moved arrow after a directory text of width w in the cell at (x, y): the shaft, the
// two strokes of the head, and where the partner text starts.
struct MovedArrow {
  int shaftX1, shaftY1, shaftX2, shaftY2;
  int headX1, headY1, tipX, tipY, headX2, headY2;
  int partnerX;
};
MovedArrow MovedArrowAt(int x, int y, int textWidth);

// The cell as one text for screen readers: the text, the alias, the moved partner.
std::string AccessibleText(const CellPaint& cell);

// The file-name part (after the last backslash) and the directory part (before it, no
// backslash; empty at the root) of a path.
std::string_view FileNamePart(std::string_view path);
std::string_view DirectoryPart(std::string_view path);

}  // namespace quorvane::view
