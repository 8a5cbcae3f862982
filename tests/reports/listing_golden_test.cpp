// Golden snapshots and batch files: each folder tests/golden/snapshot_*/ and batch_*/
// holds the sets (new.tree, old.tree: "path|content|yyyy-mm-dd hh:mm:ss" per line, laid
// out on disk; or new.snp, old.snp: snapshots read as they are), the settings that
// matter (settings: "Key=value" per line; a value in double quotes keeps its blanks) and
// the exact expected listing (expected.snp or expected.bat, CR LF). The sets are read by
// the real comparison run, the roots shown as given (NewRoot, OldRoot), the clock fixed.
// With ReadBack=1 the written snapshot is read again as a set and must give back every
// listed entry's path, size, time and checksums.
#include <gtest/gtest.h>

#include <cstdlib>
#include <ctime>
#include <filesystem>
#include <fstream>
#include <iomanip>
#include <map>
#include <sstream>

#include "engine/run_comparison.h"
#include "platform/file_replace.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "reports/set_listing.h"
#include "sources/set_readers.h"
#include "support/golden_files.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

namespace fs = std::filesystem;

const std::string kGoldenDir = test::goldenDir();
using test::layOut;
using test::applyComparisonSetting;
using test::settingsOf;
using test::unixOf;

struct ListingCase : test::ComparisonFixture {
  ListingCase() : ComparisonFixture(nullptr) {}
  test::TempTree fresh, old, output;
  ListingOptions options;
  ListingKind kind = ListingKind::NewSnapshot;
  std::string newRoot = "/golden/new/";
  std::string oldRoot = "/golden/old/";
  bool readBack = false;
};

void applySettings(ListingCase& r, const std::string& file) {
  static const std::map<std::string, bool Settings::*> kFlags = {
      {"Quick", &Settings::Quick},           {"Recurse", &Settings::Recurse},     {"NoPath", &Settings::NoPath},
      {"Strip83", &Settings::Strip83},       {"BatchDrive", &Settings::BatchDrive}, {"BatchPath", &Settings::BatchPath},
      {"BatchFull", &Settings::BatchFull},   {"BatchExt", &Settings::BatchExt},
  };
  static const std::map<std::string, ListingKind> kKinds = {
      {"new-snapshot", ListingKind::NewSnapshot},
      {"old-snapshot", ListingKind::OldSnapshot},
      {"new-batch", ListingKind::NewBatch},
      {"old-batch", ListingKind::OldBatch},
  };
  for (const test::GoldenSetting& setting : settingsOf(file)) {
    const std::string& key = setting.key;
    const std::string& value = setting.value;
    if (applyComparisonSetting(r.c, setting)) continue;
    if (auto flag = kFlags.find(key); flag != kFlags.end()) {
      r.settings.*(flag->second) = value == "1";
    } else if (key == "Listing") {
      ASSERT_TRUE(kKinds.count(value)) << file << ": " << value;
      r.kind = kKinds.at(value);
    } else if (key == "SnapshotMode") {
      r.c.State.SnapshotMode = value == "1";
    } else if (key == "ReadBack") {
      r.readBack = value == "1";
    } else if (key == "NewRoot") {
      r.newRoot = value;
    } else if (key == "OldRoot") {
      r.oldRoot = value;
    } else if (key == "BatchBefore") {
      r.settings.BatchBefore = value;
    } else if (key == "BatchAfter") {
      r.settings.BatchAfter = value;
    } else if (key == "NewNote") {
      r.options.newSideNote = value;
    } else if (key == "OldNote") {
      r.options.oldSideNote = value;
    } else {
      FAIL() << file << ": unknown key " << key;
    }
  }
}

// The side's set: a tree laid out on disk, or a snapshot file read in place.
void chooseSet(ListingCase& r, Side side, const std::string& dir) {
  const std::string name = side == Side::New ? "new" : "old";
  test::TempTree& tree = side == Side::New ? r.fresh : r.old;
  SetDescription& set = r.c.Set(side);
  if (fs::exists(dir + "/" + name + ".tree")) {
    layOut(tree, dir + "/" + name + ".tree");
    set = {SetKind::Directory, tree.root(), ChecksumKind::Crc32};
  } else if (fs::exists(dir + "/" + name + ".snp")) {
    set = {SetKind::Snapshot, dir + "/" + name + ".snp", ChecksumKind::Crc32};
  }
}

// Reads the written snapshot as the New set of a snapshot-mode run and compares it with
// the entries the listing holds.
void checkReadBack(ListingCase& r, const std::string& written) {
  const bool newSide = r.kind == ListingKind::NewSnapshot;
  Settings settings;
  test::RecordingUserInterface ui(nullptr);
  Comparison back(settings, ui);
  back.State.SnapshotMode = true;
  back.State.NewSet = {SetKind::Snapshot, written, ChecksumKind::Crc32};
  SetSourceReaders readers;
  ASSERT_EQ(RunComparison(back, readers), RunOutcome::Completed);
  std::int32_t listed = 0;
  for (std::int32_t i = 0; i < r.c.Files.Count(); ++i) {
    const FileEntry& e = r.c.Files.ItemAt(i);
    if (!r.c.State.SnapshotMode && (e.Status & (newSide ? stDeleted : stInserted))) continue;
    ++listed;
    const FileEntry* b = back.Files.Find(e.Path());
    ASSERT_NE(b, nullptr) << e.Path();
    EXPECT_EQ(b->NewSize, newSide ? e.NewSize : e.OldSize) << e.Path();
    EXPECT_EQ(b->NewTime, newSide ? e.NewTime : e.OldTime) << e.Path();
    EXPECT_EQ(b->NewCRC, newSide ? e.NewCRC : e.OldCRC) << e.Path();
    if (r.c.State.SnapshotMode) {
      EXPECT_EQ(b->Status, e.Status) << e.Path();
    }
  }
  EXPECT_EQ(back.Files.Count(), listed);
}

std::vector<std::string> goldenCases() {
  std::vector<std::string> names;
  for (const auto& entry : fs::directory_iterator(kGoldenDir)) {
    const std::string name = entry.path().filename().string();
    if (entry.is_directory() && (name.rfind("snapshot_", 0) == 0 || name.rfind("batch_", 0) == 0))
      names.push_back(name);
  }
  std::sort(names.begin(), names.end());
  return names;
}

class ListingGolden : public ::testing::TestWithParam<std::string> {};

TEST_P(ListingGolden, MatchesByteForByte) {
  setenv("TZ", "UTC", 1);
  tzset();
  const std::string dir = kGoldenDir + "/" + GetParam();
  ListingCase r;
  r.settings.CloseProgressDlg = true;
  r.settings.AutoMode = true;
  chooseSet(r, Side::New, dir);
  chooseSet(r, Side::Old, dir);
  applySettings(r, dir + "/settings");
  SetSourceReaders readers;
  ASSERT_EQ(RunComparison(r.c, readers), RunOutcome::Completed);

  r.c.State.NewSet.Root = r.newRoot;
  r.c.State.OldSet.Root = r.oldRoot;
  r.options.clock = [] { return LocalDateTime{2026, 12, 10, 3, 4, 5}; };
  const bool snapshot = r.kind == ListingKind::NewSnapshot || r.kind == ListingKind::OldSnapshot;
  const std::string extension = snapshot ? ".snp" : ".bat";
  const std::string out = r.output.path(GetParam() + extension);
  ASSERT_EQ(WriteSetListing(r.c, out, r.kind, r.options), ListingOutcome::Complete);
  std::string actual, expected;
  ASSERT_TRUE(platform::readWholeFile(out, actual));
  EXPECT_TRUE(platform::readWholeFile(dir + "/expected" + extension, expected)) << dir;
  if (actual != expected) {
    fs::create_directories("golden-actual");
    std::ofstream("golden-actual/" + GetParam() + extension, std::ios::binary) << actual;
  }
  EXPECT_EQ(actual, expected) << "case " << GetParam() << "; actual bytes in golden-actual/" << GetParam() << extension;
  EXPECT_TRUE(r.c.State.ResultsSaved);
  if (r.readBack) checkReadBack(r, out);
}

INSTANTIATE_TEST_SUITE_P(Cases, ListingGolden, ::testing::ValuesIn(goldenCases()),
                         [](const auto& info) { return info.param; });

}  // namespace
}  // namespace quorvane
