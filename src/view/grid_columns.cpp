#include "view/grid_columns.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <string>

namespace quorvane::view {

namespace {

constexpr std::array<std::string_view, kComparisonColumns> kComparisonTitles = {
    "", "New file", "Size", "DateTime", "CRC", "Old file", "Size", "DateTime", "CRC", "Directory"};
constexpr std::array<std::string_view, kSnapshotColumns> kSnapshotTitles = {"",      "New file", "Size",     "DateTime",
                                                                            "Crc16", "Crc32",    "Directory"};

// Where a layout's column 1 stands in ColWidths.
constexpr std::size_t kComparisonFirst = 0;
constexpr std::size_t kSnapshotFirst = 9;

int rounded(double value) { return static_cast<int>(std::lround(value)); }

int digitsOf(int count) { return static_cast<int>(std::to_string(std::abs(count)).size()); }

}  // namespace

FontMeasure MeasureFont(const std::function<int(std::string_view)>& textWidth, int rowHeight) {
  FontMeasure f;
  f.averageCharWidth = rounded(textWidth("ABCmjo") / 6.0);
  f.digitWidth = rounded(textWidth("0123456789") / 10.0);
  f.fixedPitch = textWidth("i") == textWidth("M");
  f.rowHeight = rowHeight;
  f.crc16TextWidth = textWidth("0000 ");
  f.crc32TextWidth = textWidth("ABCDEF56 ");
  for (const char digit : std::string_view("0123456789ABCDEF"))
    f.hexDigitWidth = std::max(f.hexDigitWidth, textWidth(std::string_view(&digit, 1)));
  return f;
}

int ColumnLayout::newColumnsWidth() const {
  int sum = 5;
  for (int c = 0; c <= 4 && c < count; ++c) sum += widths[static_cast<std::size_t>(c)];
  return sum;
}

int ColumnLayout::leftOf(int column) const {
  int x = 0;
  for (int c = 0; c < column && c < count; ++c) x += widths[static_cast<std::size_t>(c)];
  return x;
}

ColumnWidths DefaultColumnWidths(const FontMeasure& font, int widestName) {
  const int name = (widestName > 0 ? widestName : 13 * font.averageCharWidth) + 8;
  const int size = font.digitWidth * 12;
  const int time = font.digitWidth * (font.fixedPitch ? 19 : 18);
  // Nine digits leave a margin in most fonts; where hexadecimal letters are much wider
  // than digits, eight of the widest and the margins.
  const int crc = std::max(font.digitWidth * 9, font.hexDigitWidth * 8 + 4);
  const int directory = font.averageCharWidth * 48;
  return {name, size, time, crc, name, size, time, crc, directory,
          name, size, time, font.crc16TextWidth + 4, font.crc32TextWidth + 4, directory};
}

ColumnLayout SetUpColumns(const FontMeasure& font, int widestName, int displayCount, bool snapshotMode,
                          Settings& settings) {
  const ColumnWidths defaults = DefaultColumnWidths(font, widestName);
  for (std::size_t i = 0; i < kColumnWidthCount; ++i)
    if (settings.AutoColWidth || settings.ColWidths[i] <= 0) settings.ColWidths[i] = defaults[i];

  ColumnLayout layout;
  layout.snapshotMode = snapshotMode;
  layout.count = snapshotMode ? kSnapshotColumns : kComparisonColumns;
  layout.rowHeight = font.rowHeight;
  layout.digitWidth = font.digitWidth;
  layout.widths[0] = digitsOf(displayCount) * font.averageCharWidth + 4;
  const std::size_t first = snapshotMode ? kSnapshotFirst : kComparisonFirst;
  for (int c = 0; c < layout.count; ++c) {
    const std::size_t at = static_cast<std::size_t>(c);
    layout.titles[at] = snapshotMode ? kSnapshotTitles[at] : kComparisonTitles[at];
    if (c > 0) layout.widths[at] = settings.ColWidths[first + at - 1];
  }
  return layout;
}

void RememberColumnWidths(const ColumnLayout& layout, Settings& settings) {
  const std::size_t first = layout.snapshotMode ? kSnapshotFirst : kComparisonFirst;
  for (int c = 1; c < layout.count; ++c)
    settings.ColWidths[first + static_cast<std::size_t>(c) - 1] = layout.widths[static_cast<std::size_t>(c)];
}

int SortKindOfColumn(int column, bool snapshotMode) {
  const int count = snapshotMode ? kSnapshotColumns : kComparisonColumns;
  return column >= 0 && column < count ? column : -1;
}

}  // namespace quorvane::view
