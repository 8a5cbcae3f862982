#pragma once
// The grid's columns: the two layouts (ten columns after a comparison, seven in snapshot
// mode), their titles, the default widths from the grid font's measure, and the
// remembered widths (`ColWidths`) that a setup applies and a resize updates.
#include <array>
#include <functional>
#include <string_view>

#include "settings/settings.h"

namespace quorvane::view {

inline constexpr int kComparisonColumns = 10;
inline constexpr int kSnapshotColumns = 7;
inline constexpr int kMaxColumns = kComparisonColumns;

// The grid font's figures, measured by the window.
struct FontMeasure {
  int averageCharWidth = 0;  // width of "ABCmjo" / 6, rounded
  int digitWidth = 0;        // width of "0123456789" / 10, rounded
  bool fixedPitch = false;   // "i" as wide as "M"
  int rowHeight = 0;         // height of "Ay"
  int crc16TextWidth = 0;    // width of "0000 "
  int crc32TextWidth = 0;    // width of "ABCDEF56 "
  int hexDigitWidth = 0;     // width of the widest of "0" to "9" and "A" to "F"
};

// The figures from a text measure of the grid font (pixels of a text) and its row height.
FontMeasure MeasureFont(const std::function<int(std::string_view)>& textWidth, int rowHeight);

struct ColumnLayout {
  bool snapshotMode = false;
  int count = kComparisonColumns;
  std::array<std::string_view, kMaxColumns> titles{};
  std::array<int, kMaxColumns> widths{};
  int rowHeight = 0;
  int digitWidth = 0;

  // The last column: the directory part (9, or 6 in snapshot mode).
  int directoryColumn() const { return count - 1; }
  // Columns 0 to 4 plus 5 pixels: where the Old set label starts above the Old columns.
  int newColumnsWidth() const;
  // Left edge of column c with every column laid side by side (no grid lines).
  int leftOf(int column) const;
};

// Default widths of the fifteen remembered columns (ColWidths order: columns 1..9 of the
// comparison layout, then columns 1..6 of the snapshot layout). widestName is the file
// list's widest name in pixels; 0 (never measured) counts as 13 average characters.
ColumnWidths DefaultColumnWidths(const FontMeasure& font, int widestName);

// The layout of the mode. Every remembered width that is not positive, and every one
// when AutoColWidth is on, is set to its default in settings.ColWidths first; the layout
// then takes the remembered widths of its columns. Column 0 holds the digits of
// displayCount.
ColumnLayout SetUpColumns(const FontMeasure& font, int widestName, int displayCount, bool snapshotMode,
                          Settings& settings);

// Writes the layout's current widths back into settings.ColWidths (after a resize).
void RememberColumnWidths(const ColumnLayout& layout, Settings& settings);

// The sort kind a click on the header of the column chooses: the column number itself in
// both layouts (snapshot 4 and 5 select the CRC-16 and CRC-32 rules, 6 the full path);
// -1 for a column outside the layout.
int SortKindOfColumn(int column, bool snapshotMode);

}  // namespace quorvane::view
