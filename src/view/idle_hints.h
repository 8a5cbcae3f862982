#pragma once
// The hints shown while the window sits idle with no results: a one-second timer, and
// every fourth tick the next of five texts, each placed beside what it talks about.
#include <array>

#include "view/set_label_layout.h"

namespace quorvane::view {

inline constexpr std::array<const char*, 5> kIdleHintTexts = {
    "Drop NEW directory or archive here, or any LEFT side of the window",
    "Drop OLD directory or archive here, or any RIGHT side of the window",
    "Right-click on these LEFT buttons to select NEW direcotory or archive from your HISTORY",
    "Right-click on these RIGHT buttons to select OLD direcotory or archive from your HISTORY",
    "Click on DIFF after you selected your NEW and OLD filesets",
};

inline constexpr int kIdleHintTickMs = 1000;

class IdleHints {
 public:
  enum class Step { Stop, Wait, Show };

  // One tick of the timer. Stop: the grid is visible, the timer stops and the hint hides.
  // Show: every fourth tick, the next hint (after the last, the first) is to be shown.
  Step tick(bool gridVisible);
  int index() const { return index_; }
  const char* text() const { return kIdleHintTexts[static_cast<std::size_t>(index_)]; }

 private:
  int ticks_ = 0;
  int index_ = 4;
};

// Where the hint goes, in the window's coordinates.
struct HintAnchors {
  int windowWidth = 0, windowHeight = 0;
  PanelRect buttonBar, newDir, oldDir, diff;
};

// The top left corner of a hint of that size: 0 and 1 centred vertically on a quarter and
// three quarters of the width; 2 eight pixels below "New Dir" from its horizontal centre;
// 3 eight pixels below "Old Dir", ending eight pixels before the bar's right end; 4 eight
// pixels below "Diff" and eight right of its left edge.
PanelRect HintPlace(int index, int hintWidth, int hintHeight, const HintAnchors& anchors);

}  // namespace quorvane::view
