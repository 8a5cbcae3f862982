#include "view/idle_hints.h"

namespace quorvane::view {

IdleHints::Step IdleHints::tick(bool gridVisible) {
  if (gridVisible) return Step::Stop;
  if (++ticks_ < 4) return Step::Wait;
  ticks_ = 0;
  index_ = index_ >= static_cast<int>(kIdleHintTexts.size()) - 1 ? 0 : index_ + 1;
  return Step::Show;
}

PanelRect HintPlace(int index, int w, int h, const HintAnchors& a) {
  constexpr int gap = 8;
  const int middle = (a.windowHeight - h) / 2;
  switch (index) {
    case 0: return {a.windowWidth / 4 - w / 2, middle, w, h};
    case 1: return {a.windowWidth * 3 / 4 - w / 2, middle, w, h};
    case 2: return {a.newDir.x + a.newDir.width / 2, a.newDir.bottom() + gap, w, h};
    case 3: return {a.buttonBar.right() - gap - w, a.oldDir.bottom() + gap, w, h};
    default: return {a.diff.x + gap, a.diff.bottom() + gap, w, h};
  }
}

}  // namespace quorvane::view
