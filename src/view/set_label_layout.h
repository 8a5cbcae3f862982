#pragma once
// Where the New and Old set labels stand in the panel above the grid: side by side over
// the New and the Old columns (`OptSetsAboveColumns` on), or one below the other.
namespace quorvane::view {

struct PanelRect {
  int x = 0, y = 0, width = 0, height = 0;
  int right() const { return x + width; }
  int bottom() const { return y + height; }
  bool operator==(const PanelRect&) const = default;
};

struct SetLabelInput {
  bool setsAboveColumns = true;
  int column0Width = 0;     // the row-number column: both labels start at its right edge
  int newColumnsWidth = 0;  // columns 0..4 plus 5 pixels (ColumnLayout::newColumnsWidth)
  int windowWidth = 0;
  int labelHeight = 0;
};

struct SetLabelLayout {
  PanelRect newPanel;
  PanelRect oldPanel;
  int topPanelHeight = 0;  // follows the Old panel's bottom edge
};

inline constexpr int kSetLabelTop = 2;

// Side by side: the Old panel starts at newColumnsWidth (above the Old columns) and
// reaches the right edge; the New panel ends where the Old one starts. Stacked: both span
// from column 0's right edge to the right edge, the Old panel directly below the New.
SetLabelLayout LayOutSetLabels(const SetLabelInput& in);

}  // namespace quorvane::view
