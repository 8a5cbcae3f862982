#include "engine/moved_files.h"

#include <gtest/gtest.h>

#include <random>
#include <regex>

#include "engine/add_file.h"
#include "engine/filter_fixture.h"
#include "engine/filter_reference.h"
#include "engine/moved_pairing.h"
#include "engine/run_comparison.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"

namespace quorvane {
namespace {

using test::addEntries;
using test::EntrySpec;

// "path>partner" for every paired entry, in file-list order.
std::string pairsOf(FileList& files) {
  std::string out;
  for (std::int32_t i = 0; i < files.Count(); ++i) {
    const FileEntry& e = files.ItemAt(i);
    if (e.MovedPartner < 0) continue;
    if (!out.empty()) out += ' ';
    out += std::string(e.Path()) + ">" + std::string(files.ItemAt(e.MovedPartner).Path());
  }
  return out;
}

std::vector<std::int32_t> partnersOf(FileList& files) {
  std::vector<std::int32_t> out;
  for (std::int32_t i = 0; i < files.Count(); ++i) out.push_back(files.ItemAt(i).MovedPartner);
  return out;
}

class MovedFilesTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  MovedFilesTest() : ComparisonFixture(nullptr) {}

  void options(bool byCrc, bool byName, bool ignoreArcExt) {
    settings.MovedFilesByCRC = byCrc;
    settings.MovedFilesByFileName = byName;
    settings.MovedFilesIgnoreArcExt = ignoreArcExt;
  }
  std::string lastMessage() { return ui.asked().empty() ? "" : ui.asked().back().text; }
};

TEST_F(MovedFilesTest, AFileMovedToAnotherDirectoryPairsByName) {
  addEntries(c.Files, {{"a\\x.txt", stDeleted, 0, 10, 0, 5, 0, 0x1234}, {"b\\x.txt", stInserted, 10, 0, 5, 0, 0x1234, 0}});
  CheckMovedFiles(c);
  EXPECT_EQ(pairsOf(c.Files), "a\\x.txt>b\\x.txt b\\x.txt>a\\x.txt");
  EXPECT_EQ(c.State.Stats.MovedCount, 1u);
  EXPECT_TRUE(c.State.MovedFilesDone);
  EXPECT_EQ(lastMessage(), "1 moved files found");
  EXPECT_EQ(ui.asked().back().kind, platform::MessageKind::Information);
  EXPECT_EQ(c.Files.Find("a\\x.txt")->Status, stDeleted);  // statuses stay
}

TEST_F(MovedFilesTest, MatchingRulesAndTieBreaks) {
  struct Case {
    const char* what;
    bool byCrc, byName, ignoreArcExt;
    std::vector<EntrySpec> entries;
    const char* pairs;
  };
  const Case cases[] = {
      {"archive extensions match when ignored", false, true, true,
       {{"a\\pack.rar", stDeleted}, {"b\\pack.zip", stInserted}}, "a\\pack.rar>b\\pack.zip b\\pack.zip>a\\pack.rar"},
      {"archive extensions differ when not ignored", false, true, false,
       {{"a\\pack.rar", stDeleted}, {"b\\pack.zip", stInserted}}, ""},
      {"only the last dot counts, in any case", false, true, true,
       {{"a\\x.tar.LZH", stDeleted}, {"b\\X.TAR.jar", stInserted}, {"c\\x.zip", stInserted}},
       "a\\x.tar.LZH>b\\X.TAR.jar b\\X.TAR.jar>a\\x.tar.LZH"},
      {"a name without dot is not the stem of an archive", false, true, true,
       {{"a\\pack", stDeleted}, {"b\\pack.zip", stInserted}}, ""},
      {"a non-archive extension keeps itself", false, true, true,
       {{"a\\pack.7z", stDeleted}, {"b\\pack.zip", stInserted}}, ""},
      {"root file without extension", false, true, true,
       {{"makefile", stDeleted}, {"sub\\makefile", stInserted}}, "makefile>sub\\makefile sub\\makefile>makefile"},
      {"first match wins, a paired entry stays paired", false, true, true,
       {{"x\\r.txt", stDeleted}, {"y\\r.txt", stInserted}, {"z\\r.txt", stDeleted}},
       "x\\r.txt>y\\r.txt y\\r.txt>x\\r.txt"},
      {"a Deleted entry before its Inserted twin pairs from the Deleted side", false, true, true,
       {{"a\\r.txt", stInserted}, {"b\\r.txt", stDeleted}, {"c\\r.txt", stInserted}},
       "a\\r.txt>b\\r.txt b\\r.txt>a\\r.txt"},
      {"checksum only: a later entry holding both sides is a candidate", true, false, true,
       {{"a\\new.txt", stInserted, 0, 0, 0, 0, 77, 0}, {"b\\other.txt", stIdentical, 0, 0, 0, 0, 1, 77}},
       "a\\new.txt>b\\other.txt b\\other.txt>a\\new.txt"},
      {"checksum only: an earlier entry is never taken", true, false, true,
       {{"a\\both.txt", stIdentical, 0, 0, 0, 0, 77, 77}, {"b\\new.txt", stInserted, 0, 0, 0, 0, 77, 0}}, ""},
      {"zero checksums never match (Quick)", true, true, true,
       {{"a\\x.txt", stDeleted}, {"b\\x.txt", stInserted}}, ""},
      {"name and checksum both needed", true, true, true,
       {{"a\\x.txt", stDeleted, 0, 0, 0, 0, 0, 5}, {"b\\x.txt", stInserted, 0, 0, 0, 0, 6, 0},
        {"c\\x.txt", stInserted, 0, 0, 0, 0, 5, 0}},
       "a\\x.txt>c\\x.txt c\\x.txt>a\\x.txt"},
      {"an entry of the same side is no candidate", false, true, true,
       {{"a\\x.txt", stInserted}, {"b\\x.txt", stInserted}, {"c\\x.txt", stNewer}},
       "a\\x.txt>c\\x.txt c\\x.txt>a\\x.txt"},
      {"neither test: the next entry of the other side", false, false, true,
       {{"a\\p.txt", stInserted}, {"b\\q.txt", stInserted}, {"c\\r.txt", stDeleted}, {"d\\s.txt", stDeleted}},
       "a\\p.txt>c\\r.txt b\\q.txt>d\\s.txt c\\r.txt>a\\p.txt d\\s.txt>b\\q.txt"},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.what) + ": by CRC " + std::to_string(k.byCrc) + ", by name " +
                 std::to_string(k.byName) + ", ignore archive extension " + std::to_string(k.ignoreArcExt) + ", " +
                 test::specsText(k.entries));
    options(k.byCrc, k.byName, k.ignoreArcExt);
    Comparison fresh(settings, ui);
    addEntries(fresh.Files, k.entries);
    CheckMovedFiles(fresh);
    EXPECT_EQ(pairsOf(fresh.Files), k.pairs);
  }
}

TEST_F(MovedFilesTest, ASecondPassGivesTheSamePairs) {
  addEntries(c.Files, {{"x\\r.txt", stDeleted}, {"y\\r.txt", stInserted}, {"z\\r.txt", stDeleted}, {"w\\r.txt", stInserted}});
  CheckMovedFiles(c);
  const std::string first = pairsOf(c.Files);
  EXPECT_EQ(c.State.Stats.MovedCount, 2u);
  EXPECT_TRUE(CheckMovedFilesCommand(c));
  EXPECT_EQ(pairsOf(c.Files), first);
  EXPECT_EQ(c.State.Stats.MovedCount, 2u);
  EXPECT_EQ(lastMessage(), "2 moved files found");
}

TEST_F(MovedFilesTest, NothingFoundIsSaidUnlessInAutomaticMode) {
  CheckMovedFiles(c);
  EXPECT_EQ(lastMessage(), "No moved files found");
  settings.AutoMode = true;
  addEntries(c.Files, {{"a\\x.txt", stDeleted}, {"b\\x.txt", stInserted}});
  CheckMovedFiles(c);
  EXPECT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(c.State.Stats.MovedCount, 1u);
}

TEST_F(MovedFilesTest, TheCommandLeavesSnapshotEntriesAlone) {
  c.State.SnapshotMode = true;
  addEntries(c.Files, {{"a\\x.txt", stDeleted}, {"b\\x.txt", stInserted}});  // CRC-16 words that look like statuses
  EXPECT_FALSE(CheckMovedFilesCommand(c));
  EXPECT_EQ(pairsOf(c.Files), "");
  EXPECT_TRUE(ui.asked().empty());
}

TEST_F(MovedFilesTest, BusyWindowAboveOneThousandTwentyFourEntries) {
  for (int i = 0; i < kMovedBusyThreshold; ++i) test::addEntry(c.Files, {"d" + std::to_string(i) + "\\f", stInserted});
  CheckMovedFiles(c);
  EXPECT_EQ(ui.busyShowCount(), 0);
  test::addEntry(c.Files, {"z\\f", stDeleted});
  std::uint64_t now = 0;
  c.Progress.clock = [&now] { return now += 50; };
  CheckMovedFiles(c);
  EXPECT_EQ(ui.busyShowCount(), 1);
  EXPECT_FALSE(ui.busyVisible());
  ASSERT_GE(ui.busyTexts().size(), 2u);
  EXPECT_EQ(ui.busyTexts()[0], "Checking moved files...");
  for (std::size_t i = 1; i < ui.busyTexts().size(); ++i)
    EXPECT_TRUE(std::regex_match(ui.busyTexts()[i], std::regex(R"(Checking moved files\.\.\.  \d+  \(\d+ %\)  )")))
        << ui.busyTexts()[i];
  EXPECT_LE(ui.busyTexts().size() - 1, now / 200 + 1);
  EXPECT_EQ(c.State.Stats.MovedCount, 1u);
}

// A fake reader: hands fixed files to the add-file step.
class ListReaders : public SetReaders {
 public:
  std::vector<std::pair<std::string, std::uint32_t>> newFiles, oldFiles;  // path, CRC
  void ReadSet(Comparison& c, Side side) override {
    for (const auto& [path, crc] : side == Side::New ? newFiles : oldFiles) {
      c.Scan = ScanRecord{};
      c.Scan.Path = path;
      (side == Side::New ? c.Scan.NewCRC : c.Scan.OldCRC) = crc;
      AddFile(c, side);
    }
  }
};

TEST_F(MovedFilesTest, TheComparisonRunChecksMovedFilesWhenAsked) {
  settings.Pause = true;  // no set validation: the fake reader needs no directory
  settings.CloseProgressDlg = true;
  settings.AutoMode = true;
  ListReaders readers;
  readers.newFiles = {{"b\\x.txt", 9}, {"same.txt", 1}};
  readers.oldFiles = {{"a\\x.txt", 9}, {"same.txt", 1}};
  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  EXPECT_EQ(pairsOf(c.Files), "");
  EXPECT_EQ(std::count(ui.statuses().begin(), ui.statuses().end(), "Checking moved files"), 0);

  settings.CheckMovedFiles = true;
  Comparison second(settings, ui);
  ASSERT_EQ(RunComparison(second, readers), RunOutcome::Completed);
  EXPECT_EQ(pairsOf(second.Files), "a\\x.txt>b\\x.txt b\\x.txt>a\\x.txt");
  EXPECT_EQ(second.State.Stats.MovedCount, 1u);
  EXPECT_TRUE(second.State.MovedFilesDone);
  const auto& statuses = ui.statuses();
  const auto moved = std::find(statuses.begin(), statuses.end(), "Checking moved files");
  ASSERT_NE(moved, statuses.end());
  EXPECT_EQ(*(moved + 1), "Applying filter and sorting");
  EXPECT_EQ(second.Display.Count(), 3);
}

// The indexed pairing against the pass as written: every option combination, thousands
// of lists with colliding names and checksums, zero checksums included; then a second
// pass over the same list.
TEST(MovedPairing, AgreesWithTheReferencePassOnGeneratedLists) {
  std::mt19937 random(3);
  for (int list = 0; list < 3000; ++list) {
    FileList files;
    test::generateList(files, random, 50);
    const auto unlink = [&files] {
      for (std::int32_t i = 0; i < files.Count(); ++i) files.ItemAt(i).MovedPartner = -1;
    };
    for (int combination = 0; combination < 8; ++combination) {
      const MovedFileOptions options{(combination & 1) != 0, (combination & 2) != 0, (combination & 4) != 0};
      const auto reference = [&] {
        return reference::pairMoved(files, options.ByCRC, options.ByFileName, options.IgnoreArcExt);
      };
      unlink();
      const std::uint32_t expected = reference();
      const std::vector<std::int32_t> expectedPartners = partnersOf(files);
      unlink();
      const std::uint32_t pairs = PairMovedEntries(files, options);
      ASSERT_EQ(partnersOf(files), expectedPartners)
          << "list " << list << " crc " << options.ByCRC << " name " << options.ByFileName << " arc "
          << options.IgnoreArcExt;
      ASSERT_EQ(pairs, expected);
      // A second pass over linked entries takes no new pair, as the pass as written.
      ASSERT_EQ(PairMovedEntries(files, options), reference());
      ASSERT_EQ(partnersOf(files), expectedPartners);
    }
  }
}

}  // namespace
}  // namespace quorvane
