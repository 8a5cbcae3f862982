#include "engine/filter_pass.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "engine/filter_fixture.h"
#include "engine/filter_reference.h"
#include "engine/results_view.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"

namespace quorvane {
namespace {

using test::addEntries;
using test::EntrySpec;
using test::pathsOf;

class FilterPassTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  FilterPassTest() : ComparisonFixture(nullptr) {}

  std::uint16_t status(std::string_view path) { return c.Files.Find(path)->Status; }
  std::string shown() { return pathsOf(c.Display.Items()); }
  std::vector<std::string> messages() {
    std::vector<std::string> out;
    for (const auto& a : ui.asked()) out.push_back(a.text);
    return out;
  }
};

using Counts = std::array<std::uint32_t, 8>;

TEST_F(FilterPassTest, DefaultMasksShowEveryEntryAndDecideIdentical) {
  addEntries(c.Files, {{"same.txt", stIdentical},
                       {"newer.txt", stIdentical | stNewer},
                       {"crc.txt", stCrcDiffers | stSmaller},
                       {"ins.txt", stInserted},
                       {"del.txt", stDeleted | stIdentical}});  // a stray Identical bit is recomputed away
  FilterPass(c);
  EXPECT_EQ(shown(), "crc.txt del.txt ins.txt newer.txt same.txt");
  EXPECT_EQ(status("same.txt"), stIdentical);
  EXPECT_EQ(status("newer.txt"), stNewer);
  EXPECT_EQ(status("crc.txt"), stCrcDiffers | stSmaller);
  EXPECT_EQ(status("del.txt"), stDeleted);
  const Counts expected = {1, 1, 1, 1, 1, 0, 0, 1};
  EXPECT_EQ(c.State.Stats.StatusCounts, expected);
  EXPECT_EQ(c.State.Stats.ShownCounts, expected);
  EXPECT_TRUE(c.State.Commands.GridVisible);
  EXPECT_TRUE(c.State.Commands.EditMenu);
  EXPECT_TRUE(ui.asked().empty());
}

// Each row: masks, then which entries are shown and the recomputed statuses.
TEST_F(FilterPassTest, IgnoredDifferencesMakeEntriesIdenticalAndExclusionsHideThem) {
  struct Case {
    const char* what;
    std::uint16_t iFilter, xFilter;
    const char* shown;
    std::uint16_t newer, crc, bigger, inserted;
    Counts statusCounts, shownCounts;
  };
  const Case cases[] = {
      {"times ignored: Newer counts as Identical", 0xFFFF & ~0x30, 0xFFFF, "bigger.txt crc.txt ins.txt newer.txt same.txt",
       stNewer | stIdentical, stCrcDiffers, stBigger, stInserted, {2, 1, 1, 0, 1, 0, 1, 0}, {2, 1, 1, 0, 1, 0, 1, 0}},
      {"times ignored, identical excluded: Newer hidden as Identical", 0xFFFF & ~0x30, 0xFFFF & ~0x01,
       "bigger.txt crc.txt ins.txt", stNewer | stIdentical, stCrcDiffers, stBigger, stInserted,
       {2, 1, 1, 0, 1, 0, 1, 0}, {0, 1, 1, 0, 0, 0, 1, 0}},
      {"times ignored, Newer excluded: still shown", 0xFFFF & ~0x30, 0xFFFF & ~0x10,
       "bigger.txt crc.txt ins.txt newer.txt same.txt", stNewer | stIdentical, stCrcDiffers, stBigger, stInserted,
       {2, 1, 1, 0, 1, 0, 1, 0}, {2, 1, 1, 0, 1, 0, 1, 0}},
      {"sizes ignored, identical excluded: bigger hidden", 0xFFFF & ~0xC0, 0xFFFF & ~0x01,
       "crc.txt ins.txt newer.txt", stNewer, stCrcDiffers, stBigger | stIdentical, stInserted,
       {2, 1, 1, 0, 1, 0, 1, 0}, {0, 1, 1, 0, 1, 0, 0, 0}},
      {"CRC ignored: counted as Identical and as CRC differs", 0xFFFF & ~0x02, 0xFFFF,
       "bigger.txt crc.txt ins.txt newer.txt same.txt", stNewer, stCrcDiffers | stIdentical, stBigger, stInserted,
       {2, 1, 1, 0, 1, 0, 1, 0}, {2, 1, 1, 0, 1, 0, 1, 0}},
      {"Inserted excluded", 0xFFFF, 0xFFFF & ~0x04, "bigger.txt crc.txt newer.txt same.txt", stNewer, stCrcDiffers,
       stBigger, stInserted, {1, 1, 1, 0, 1, 0, 1, 0}, {1, 1, 0, 0, 1, 0, 1, 0}},
      {"Inserted not a difference: becomes Identical", 0xFFFF & ~0x04, 0xFFFF & ~0x01,
       "bigger.txt crc.txt newer.txt", stNewer, stCrcDiffers, stBigger, stInserted | stIdentical,
       {2, 1, 1, 0, 1, 0, 1, 0}, {0, 1, 0, 0, 1, 0, 1, 0}},
  };
  for (const Case& k : cases) {
    Comparison fresh(settings, ui);
    fresh.Files.IFilter = k.iFilter;
    fresh.Files.XFilter = k.xFilter;
    addEntries(fresh.Files, {{"same.txt", stIdentical},
                             {"newer.txt", stIdentical | stNewer},
                             {"crc.txt", stCrcDiffers},
                             {"bigger.txt", stIdentical | stBigger},
                             {"ins.txt", stInserted}});
    FilterPass(fresh);
    SCOPED_TRACE(std::string(k.what) + ": IFilter " + std::to_string(k.iFilter) + ", XFilter " +
                 std::to_string(k.xFilter));
    EXPECT_EQ(pathsOf(fresh.Display.Items()), k.shown);
    EXPECT_EQ(fresh.Files.Find("newer.txt")->Status, k.newer);
    EXPECT_EQ(fresh.Files.Find("crc.txt")->Status, k.crc);
    EXPECT_EQ(fresh.Files.Find("bigger.txt")->Status, k.bigger);
    EXPECT_EQ(fresh.Files.Find("ins.txt")->Status, k.inserted);
    EXPECT_EQ(fresh.State.Stats.StatusCounts, k.statusCounts);
    EXPECT_EQ(fresh.State.Stats.ShownCounts, k.shownCounts);
    EXPECT_TRUE(fresh.State.Commands.LFilterActive);
  }
}

TEST_F(FilterPassTest, SnapshotModeShowsEverythingCountsNothingAndKeepsTheChecksumWord) {
  c.State.SnapshotMode = true;
  c.Files.XFilter = 0;  // no filter applies in snapshot mode
  addEntries(c.Files, {{"b.txt", 0xBEEF}, {"a.txt", 0x0001}, {"c.txt", 0x1234}});
  c.Display.SortType = SortType::Crc16;
  FilterPass(c);
  EXPECT_EQ(shown(), "a.txt c.txt b.txt");
  EXPECT_EQ(status("b.txt"), 0xBEEF);
  EXPECT_EQ(c.State.Stats.StatusCounts, Counts{});
  EXPECT_EQ(c.State.Stats.ShownCounts, Counts{});
  EXPECT_FALSE(c.State.Commands.LFilterActive);
}

TEST_F(FilterPassTest, NothingToShowTellsWhyUnlessInAutomaticMode) {
  FilterPass(c);
  EXPECT_FALSE(c.State.Commands.GridVisible);
  EXPECT_FALSE(c.State.Commands.EditMenu);
  addEntries(c.Files, {{"a.txt", stIdentical}, {"b.txt", stIdentical}, {"c.txt", stNewer}});
  c.Files.XFilter = 0xFFFF & ~(stIdentical | stNewer);
  FilterPass(c);
  EXPECT_EQ(messages(), (std::vector<std::string>{"No file matching includes and wildcards\r\n(No files in memory)",
                                                  "No file matching filter\r\n(3 files in memory)"}));
  EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Information);
  settings.AutoMode = true;
  FilterPass(c);
  EXPECT_EQ(ui.asked().size(), 2u);
  EXPECT_FALSE(c.State.Commands.GridVisible);
}

TEST_F(FilterPassTest, WidestNameIsMeasuredOnShownEntriesOnly) {
  ui.metrics = platform::NameMetrics::fixedPitch(10);  // every character 10 pixels wide
  addEntries(c.Files, {{"dir\\short.txt", stIdentical}, {"long_name_hidden.txt", stIdentical | stNewer}});
  c.Files.XFilter = 0xFFFF & ~stNewer;
  FilterPass(c);
  EXPECT_EQ(c.Files.WidestName, 130);  // 13 x round(60 / 6) beats "short.txt" (90)
  c.Files.XFilter = 0xFFFF;
  FilterPass(c);
  EXPECT_EQ(c.Files.WidestName, 200);
}

TEST_F(FilterPassTest, BusyWindowAboveFourThousandNinetySixEntriesRedrawsAtMostEvery100Ms) {
  for (int i = 0; i < kFilterBusyThreshold; ++i) test::addEntry(c.Files, {"f" + std::to_string(i), stIdentical});
  FilterPass(c);
  EXPECT_EQ(ui.busyShowCount(), 0);

  test::addEntry(c.Files, {"one_more", stIdentical});
  std::uint64_t now = 0;
  c.Progress.clock = [&now] { return now += 10; };  // 10 ms per reading of the clock
  FilterPass(c);
  EXPECT_EQ(ui.busyShowCount(), 1);
  EXPECT_FALSE(ui.busyVisible());
  ASSERT_GE(ui.busyTexts().size(), 3u);
  EXPECT_EQ(ui.busyTexts().front(), "Filtering and sorting ...   ");
  EXPECT_EQ(ui.busyBars().front(), 0);
  for (std::size_t i = 1; i < ui.busyTexts().size(); ++i)
    EXPECT_TRUE(std::regex_match(ui.busyTexts()[i], std::regex(R"(Filtering and sorting \.\.\.   \d+ %)")))
        << ui.busyTexts()[i];
  // Redrawn at most once per 100 ms of clock, and about that often.
  const std::size_t redraws = ui.busyTexts().size() - 1;
  EXPECT_LE(redraws, now / 100 + 1);
  EXPECT_GE(redraws, now / 200);
  EXPECT_EQ(ui.busyBars().size(), ui.busyTexts().size());
  EXPECT_GT(ui.pumpCount(), 0);
}

TEST_F(FilterPassTest, IndicatorsFollowQuickMasksSnapshotModeAndDirectoryLists) {
  addEntries(c.Files, {{"a.txt", stIdentical}});
  FilterPass(c);
  EXPECT_FALSE(c.State.Commands.LCRCActive);
  EXPECT_FALSE(c.State.Commands.LFilterActive);
  EXPECT_FALSE(c.State.Commands.LInclExclActive);
  c.Files.IFilter = 0xFFFF & ~stCrcDiffers;
  c.ExcludeDirs.Add("obj");
  FilterPass(c);
  EXPECT_TRUE(c.State.Commands.LCRCActive);
  EXPECT_TRUE(c.State.Commands.LFilterActive);
  EXPECT_TRUE(c.State.Commands.LInclExclActive);
  c.Files.IFilter = 0xFFFF;
  settings.Quick = true;
  UpdateIndicators(c);
  EXPECT_TRUE(c.State.Commands.LCRCActive);
  EXPECT_FALSE(c.State.Commands.LFilterActive);
}

TEST_F(FilterPassTest, RemoveFromListDropsRowsFromTheDisplayIndexOnly) {
  addEntries(c.Files, {{"a.txt"}, {"b.txt"}, {"c.txt"}, {"d.txt"}});
  FilterPass(c);
  RemoveFromList(c, {2, 0, 2, 7, -1});
  EXPECT_EQ(shown(), "b.txt d.txt");
  EXPECT_EQ(c.Files.Count(), 4);
  EXPECT_TRUE(c.State.Commands.GridVisible);
  RemoveFromList(c, {0, 1});
  EXPECT_EQ(c.Display.Count(), 0);
  EXPECT_FALSE(c.State.Commands.GridVisible);
  EXPECT_EQ(messages().back(), "No file matching filter\r\n(4 files in memory)");
}

// The whole pass against the pass as written, on generated lists with random masks.
TEST_F(FilterPassTest, AgreesWithTheReferencePassOnGeneratedLists) {
  settings.AutoMode = true;
  std::mt19937 random(5);
  const std::uint16_t masks[] = {0xFFFF, 0xFFFF & ~0x01, 0xFFFF & ~0x30, 0xFFFF & ~0xC0, 0xFFFF & ~0x02, 0xFFFF & ~0x0C};
  for (int list = 0; list < 2000; ++list) {
    const bool snapshot = list % 5 == 4;
    const std::uint16_t iFilter = list % 3 == 0 ? masks[random() % 6] : static_cast<std::uint16_t>(random());
    const std::uint16_t xFilter = list % 3 == 0 ? masks[random() % 6] : static_cast<std::uint16_t>(random());
    const auto type = static_cast<std::uint8_t>(random() % 11);
    const bool descending = random() % 2;

    // Two copies of one list: the engine runs on one, the reference on the other.
    const std::uint32_t seed = random();
    Comparison engine(settings, ui);
    FileList copy;
    std::mt19937 a(seed), b(seed);
    test::generateList(engine.Files, a, 60, snapshot);
    test::generateList(copy, b, 60, snapshot);
    for (FileList* f : {&engine.Files, &copy}) {
      f->IFilter = iFilter;
      f->XFilter = xFilter;
    }
    engine.State.SnapshotMode = snapshot;
    engine.Display.SortType = SortTypeFromNumber(type).value();
    engine.Display.Descending = descending;

    FilterPass(engine);
    const reference::FilterResult expected = reference::filterPass(copy, type, descending, snapshot);
    SCOPED_TRACE("list " + std::to_string(list) + " type " + std::to_string(type));
    ASSERT_EQ(pathsOf(engine.Display.Items()), pathsOf(expected.shown));
    for (std::int32_t i = 0; i < copy.Count(); ++i)
      ASSERT_EQ(engine.Files.ItemAt(i).Status, expected.statuses[static_cast<std::size_t>(i)]);
    ASSERT_EQ(engine.State.Stats.StatusCounts, expected.statusCounts);
    ASSERT_EQ(engine.State.Stats.ShownCounts, expected.shownCounts);
  }
}

}  // namespace
}  // namespace quorvane
