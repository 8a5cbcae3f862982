#include "view/set_label_layout.h"

#include <algorithm>

namespace quorvane::view {

SetLabelLayout LayOutSetLabels(const SetLabelInput& in) {
  SetLabelLayout out;
  const int left = in.column0Width;
  if (in.setsAboveColumns) {
    const int oldLeft = std::max(left, in.newColumnsWidth);
    out.newPanel = {left, kSetLabelTop, oldLeft - left, in.labelHeight};
    out.oldPanel = {oldLeft, kSetLabelTop, std::max(0, in.windowWidth - oldLeft), in.labelHeight};
  } else {
    const int width = std::max(0, in.windowWidth - left);
    out.newPanel = {left, kSetLabelTop, width, in.labelHeight};
    out.oldPanel = {left, out.newPanel.bottom(), width, in.labelHeight};
  }
  out.topPanelHeight = out.oldPanel.bottom() + kSetLabelTop;
  return out;
}

}  // namespace quorvane::view
