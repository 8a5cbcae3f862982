#include "config/apply_masks.h"

#include <sstream>

#include <gtest/gtest.h>

#include "support/recording_user_interface.h"

namespace quorvane {
namespace {

struct MaskRun {
  Settings settings;
  FileMasks masks;
  std::ostringstream log;
  test::RecordingUserInterface ui{&log};

  void apply(const std::string& include, const std::string& exclude) {
    settings.IncludeMask = include;
    settings.ExcludeMask = exclude;
    ApplyMasks(settings, masks, ui);
  }
};

TEST(ApplyMasks, IncludeMask) {
  struct Case {
    const char* include;
    const char* field;
    const char* mask;
    bool rejected;
  } cases[] = {
      {"", "*.*", "*.*", false},
      {"   ", "*.*", "*.*", false},
      {" *.txt ", " *.txt ", "*.TXT", false},
      {"readme", "readme", "README.*", false},
      {"sub/*.txt", "*.*", "*.*", true},
      {"a\\b", "*.*", "*.*", true},
  };
  for (const Case& c : cases) {
    MaskRun r;
    r.masks.Include.SetMask("X");
    r.apply(c.include, "");
    EXPECT_EQ(r.settings.IncludeMask, c.field) << c.include;
    EXPECT_EQ(r.masks.Include.MaskText(), c.mask) << c.include;
    ASSERT_EQ(r.ui.asked().size(), c.rejected ? 1u : 0u) << c.include;
    if (c.rejected) {
      EXPECT_EQ(r.ui.asked()[0].text, "Incorrect Include wildcard : " + std::string(c.include) +
                                          "\rInclude wildcard reset to \"*.*\"");
    }
  }
}

TEST(ApplyMasks, ExcludeMasksAndTheirText) {
  MaskRun r;
  r.apply("*.*", " *.bak;~*;a;;b ");
  EXPECT_EQ(r.masks.ExclusionCount, 5u);
  EXPECT_EQ(ExcludeMaskText(r.masks), "*.BAK;~*.*;A.*;;B.*");  // an empty piece matches nothing
  EXPECT_FALSE(r.masks.Passes("dir\\x.BAK"));
  EXPECT_FALSE(r.masks.Passes("~tmp.txt"));
  EXPECT_TRUE(r.masks.Passes("keep.txt"));
  EXPECT_TRUE(r.ui.asked().empty());

  r.apply("*.*", "");
  EXPECT_EQ(r.masks.ExclusionCount, 0u);
  EXPECT_EQ(ExcludeMaskText(r.masks), "");
}

TEST(ApplyMasks, OneBadExcludeMaskDiscardsThemAll) {
  MaskRun r;
  r.apply("*.*", "*.bak;bad/mask;*.tmp");
  EXPECT_EQ(r.masks.ExclusionCount, 0u);
  EXPECT_EQ(r.settings.ExcludeMask, "");
  ASSERT_EQ(r.ui.asked().size(), 1u);
  EXPECT_EQ(r.ui.asked()[0].text, "Incorrect Exclude wildcard : bad/mask\rExclude wildcard discarded.");
  EXPECT_EQ(r.ui.asked()[0].kind, platform::MessageKind::Error);
  EXPECT_TRUE(r.masks.Passes("x.bak"));
}

TEST(ApplyMasks, RefusedMasksAreKeptForTheRunToReport) {
  const std::string includeReason =
      "include wildcard refused (it holds \"/\", \"\\\" or a control character), reset to \"*.*\"";
  const std::string excludeReason =
      "exclude wildcard refused (it holds \"/\", \"\\\" or a control character), every exclude wildcard discarded";
  struct Case {
    const char* include;
    const char* exclude;
    std::vector<std::pair<std::string, std::string>> refused;  // path, reason
  } cases[] = {
      {"*.txt", "*.bak;~*", {}},
      {" sub/*.txt ", "*.bak", {{"sub/*.txt", includeReason}}},
      {"*.c", "*.o;obj\\*.o;*.tmp", {{"obj\\*.o", excludeReason}}},
      {"a\tb", "x\x7F", {{"a\tb", includeReason}, {"x\x7F", excludeReason}}},
      {"*.*", "", {}},
  };
  for (const Case& c : cases) {
    MaskRun r;
    r.masks.Refused.push_back({"left from an earlier call", "-"});
    r.apply(c.include, c.exclude);
    std::vector<std::pair<std::string, std::string>> refused;
    for (const RunProblem& p : r.masks.Refused) refused.emplace_back(p.path, p.reason);
    SCOPED_TRACE("include " + testing::PrintToString(c.include) + ", exclude " + testing::PrintToString(c.exclude));
    EXPECT_EQ(refused, c.refused);
    EXPECT_EQ(r.ui.asked().size(), c.refused.size());
  }
}

TEST(ApplyMasks, PiecesBeyondThe32PlacesAreIgnoredWithAWarning) {
  MaskRun r;
  std::string exclude;
  for (int i = 0; i < 34; ++i) exclude += (i ? ";*." : "*.") + std::to_string(i);
  r.apply("*.*", exclude);
  EXPECT_EQ(r.masks.ExclusionCount, 32u);
  EXPECT_EQ(r.masks.Exclusions[31].MaskText(), "*.31");
  ASSERT_EQ(r.ui.asked().size(), 1u);
  EXPECT_EQ(r.ui.asked()[0].kind, platform::MessageKind::Warning);
  EXPECT_EQ(r.settings.ExcludeMask, exclude);
}

}  // namespace
}  // namespace quorvane
