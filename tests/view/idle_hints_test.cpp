// The idle hints: their order and pace, stopping once results show, and where each goes.
#include <gtest/gtest.h>

#include "view/idle_hints.h"

namespace quorvane::view {
namespace {

TEST(IdleHintsTest, EveryFourthTickShowsTheNextHintStartingAtTheFirst) {
  IdleHints hints;
  std::vector<int> shown;
  for (int tick = 0; tick < 24; ++tick)
    if (hints.tick(false) == IdleHints::Step::Show) shown.push_back(hints.index());
  EXPECT_EQ(shown, (std::vector<int>{0, 1, 2, 3, 4, 0}));
  EXPECT_STREQ(hints.text(), "Drop NEW directory or archive here, or any LEFT side of the window");
  EXPECT_EQ(hints.tick(true), IdleHints::Step::Stop);
}

TEST(IdleHintsTest, EachHintSitsBesideWhatItTalksAbout) {
  HintAnchors a;
  a.windowWidth = 1000;
  a.windowHeight = 600;
  a.buttonBar = {0, 0, 1000, 30};
  a.newDir = {4, 3, 64, 24};
  a.diff = {450, 3, 64, 24};
  a.oldDir = {860, 3, 64, 24};
  struct Case {
    int index;
    PanelRect expected;
  };
  const Case cases[] = {
      {0, {200, 290, 100, 20}},  // centred on a quarter of the width
      {1, {700, 290, 100, 20}},  // and on three quarters
      {2, {36, 35, 100, 20}},    // from the middle of "New Dir", 8 below it
      {3, {892, 35, 100, 20}},   // 8 before the bar's right end
      {4, {458, 35, 100, 20}},   // 8 right of "Diff"'s left edge
  };
  for (const Case& k : cases) EXPECT_EQ(HintPlace(k.index, 100, 20, a), k.expected) << k.index;
}

}  // namespace
}  // namespace quorvane::view
