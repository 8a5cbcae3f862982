// The set labels above the grid in both arrangements.
#include <gtest/gtest.h>

#include "view/set_label_layout.h"

namespace quorvane::view {
namespace {

TEST(SetLabelLayout, SideBySideOverTheNewAndOldColumns) {
  const SetLabelLayout l = LayOutSetLabels({true, 40, 400, 1000, 16});
  EXPECT_EQ(l.newPanel, (PanelRect{40, 2, 360, 16}));
  EXPECT_EQ(l.oldPanel, (PanelRect{400, 2, 600, 16}));
  EXPECT_EQ(l.topPanelHeight, 20);
}

TEST(SetLabelLayout, StackedAcrossTheWindow) {
  const SetLabelLayout l = LayOutSetLabels({false, 40, 400, 1000, 16});
  EXPECT_EQ(l.newPanel, (PanelRect{40, 2, 960, 16}));
  EXPECT_EQ(l.oldPanel, (PanelRect{40, 18, 960, 16}));
  EXPECT_EQ(l.topPanelHeight, 36);
}

TEST(SetLabelLayout, ANarrowWindowGivesNoNegativeWidths) {
  const SetLabelLayout l = LayOutSetLabels({true, 40, 400, 300, 16});
  EXPECT_EQ(l.oldPanel.width, 0);
  EXPECT_GE(LayOutSetLabels({false, 40, 400, 20, 16}).newPanel.width, 0);
}

}  // namespace
}  // namespace quorvane::view
