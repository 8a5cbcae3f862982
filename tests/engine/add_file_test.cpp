#include "engine/add_file.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>

#include "engine/case_merge_reference.h"
#include "engine/errors.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"

namespace quorvane {
namespace {

struct Facts {
  std::uint32_t crc = 0;
  std::uint32_t time = 0x56000000;
  std::uint64_t size = 10;
};

class AddFileTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  AddFileTest() : ComparisonFixture(nullptr) {}

  void add(Side side, const std::string& path, Facts f = {}) {
    c.Scan.Path = path;
    if (side == Side::New) {
      c.Scan.NewCRC = f.crc, c.Scan.NewTime = f.time, c.Scan.NewSize = f.size, c.Scan.NewAttr = 0x20, c.Scan.NewAlias = -1;
    } else {
      c.Scan.OldCRC = f.crc, c.Scan.OldTime = f.time, c.Scan.OldSize = f.size, c.Scan.OldAttr = 0x20, c.Scan.OldAlias = -1;
    }
    AddFile(c, side);
  }
  std::uint16_t status(const std::string& path) { return c.Files.Find(path)->Status; }
};

TEST_F(AddFileTest, MergeGivesStatusBits) {
  constexpr std::uint32_t T = 0x56000000;
  struct Case {
    const char* what;
    Facts newer, older;
    bool quick;
    std::uint16_t status;
  } cases[] = {
      {"same", {7, T, 10}, {7, T, 10}, false, stIdentical},
      {"one DOS tick newer", {7, T + 1, 10}, {7, T, 10}, false, stIdentical | stNewer},
      {"older and bigger", {7, T, 11}, {7, T + 1, 10}, false, stIdentical | stOlder | stBigger},
      {"crc differs", {7, T, 10}, {8, T, 10}, false, stCrcDiffers},
      {"crc differs ignored when quick", {7, T, 10}, {8, T, 10}, true, stIdentical},
      {"times compare unsigned", {7, 0x80000000u, 10}, {7, 0x7FFFFFFFu, 10}, false, stIdentical | stNewer},
      {"64-bit sizes", {7, T, 0x100000000ull}, {7, T, 1}, false, stIdentical | stBigger},
      {"above 4 GiB, equal low bits", {7, T, 0x100000005ull}, {7, T, 5}, false, stIdentical | stBigger},
      {"newer and smaller", {7, T + 2, 5}, {7, T, 10}, false, stIdentical | stNewer | stSmaller},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(std::string(k.what) + ": new crc/time/size " + std::to_string(k.newer.crc) + "/" +
                 std::to_string(k.newer.time) + "/" + std::to_string(k.newer.size) + ", old " +
                 std::to_string(k.older.crc) + "/" + std::to_string(k.older.time) + "/" + std::to_string(k.older.size) +
                 (k.quick ? ", quick" : ""));
    c.Files.Clear();
    settings.Quick = k.quick;
    add(Side::New, "a.txt", k.newer);
    add(Side::Old, "A.TXT", k.older);
    PairPendingOldFiles(c);  // no exact partner: A.TXT meets a.txt once the Old set is read
    ASSERT_EQ(c.Files.Count(), 1) << k.what;
    EXPECT_EQ(status("a.txt"), k.status) << k.what;
    EXPECT_EQ(c.Files.ItemAt(0).Path(), "a.txt") << k.what;
  }
}

TEST_F(AddFileTest, UnmatchedSidesAreInsertedOrDeleted) {
  add(Side::New, "only-new");
  add(Side::Old, "only-old", {3, 4, 5});
  EXPECT_EQ(status("only-new"), stInserted);
  const FileEntry* old = c.Files.Find("only-old");
  EXPECT_EQ(old->Status, stDeleted);
  EXPECT_EQ(old->OldSize, 5u);
  EXPECT_EQ(old->NewSize, 0u);
  EXPECT_EQ(c.State.Stats.FilesFound, 2u);
}

TEST_F(AddFileTest, IncludeAndExcludeDirectories) {
  c.IncludeDirs.Add("src");
  for (const char* p : {"src\\a.c", "srcx\\a.c", "a.c", "SRC\\sub\\b.c", "src\\gen\\c.c"}) add(Side::New, p);
  c.ExcludeDirs.Add("src\\gen");
  add(Side::New, "src\\gen\\d.c");
  EXPECT_NE(c.Files.Find("src\\a.c"), nullptr);
  EXPECT_NE(c.Files.Find("SRC\\sub\\b.c"), nullptr);
  EXPECT_NE(c.Files.Find("src\\gen\\c.c"), nullptr);  // excluded only from then on
  EXPECT_EQ(c.Files.Find("srcx\\a.c"), nullptr);
  EXPECT_EQ(c.Files.Find("a.c"), nullptr);
  EXPECT_EQ(c.Files.Find("src\\gen\\d.c"), nullptr);
  EXPECT_EQ(c.State.Stats.FilesFound, 6u);  // dropped files still count as found
}

TEST_F(AddFileTest, ExtensionAliasesMeetAcrossSides) {
  c.Aliases.Add("RAR", "ZIP");
  add(Side::New, "pack.zip");
  add(Side::Old, "pack.rar");
  add(Side::Old, "dir.rar\\plain");  // a dot in a directory is no extension
  PairPendingOldFiles(c);
  ASSERT_EQ(c.Files.Count(), 2);
  const FileEntry* e = c.Files.Find("pack.zip");
  EXPECT_EQ(e->Status, stIdentical);
  EXPECT_EQ(e->OldAlias, 0);
  EXPECT_EQ(e->NewAlias, -1);
  EXPECT_EQ(c.Aliases.RewriteCount, 1u);
  c.Files.Clear();
  add(Side::New, "pack.rar");
  EXPECT_EQ(c.Files.ItemAt(0).Path(), "pack.ZIP");  // the alias text as written
}

TEST_F(AddFileTest, DuplicatesOfOneSide) {
  settings.NoPath = true;
  settings.WarnDup = true;
  ui.scriptAnswer(platform::Answer::No);  // do not notify again
  add(Side::New, "a.txt", {1, 2, 3});
  add(Side::New, "a.txt", {4, 5, 6});
  add(Side::New, "a.txt", {7, 8, 9});
  add(Side::Old, "a.txt");
  add(Side::Old, "a.txt");
  EXPECT_EQ(c.State.Stats.NewDuplicates, 2u);
  EXPECT_EQ(c.State.Stats.OldDuplicates, 1u);
  EXPECT_EQ(c.Files.Find("a.txt")->NewCRC, 1u);  // the first file stays
  ASSERT_EQ(ui.asked().size(), 1u);
  EXPECT_EQ(ui.asked()[0].text,
            "The following file is duplicated in New set:\r\r'a.txt'\r\rDo you want to be notified again for duplicates ?");
}

TEST_F(AddFileTest, PathsDifferingInCaseAreTwoFilesAndPairExactlyFirst) {
  settings.WarnDup = true;
  add(Side::New, "A.txt", {1});
  add(Side::New, "a.txt", {2});
  add(Side::New, "README", {3});
  add(Side::New, "Makefile", {4});
  // A.TXT comes first but has no exact partner: it must not take a.txt from a.txt.
  add(Side::Old, "A.TXT", {5});
  add(Side::Old, "a.txt", {6});
  add(Side::Old, "readme", {3});
  add(Side::Old, "makefile", {7});
  add(Side::Old, "MAKEFILE", {8});
  EXPECT_EQ(c.Files.Find("a.txt")->OldCRC, 6u);  // exact pairs are made at once
  PairPendingOldFiles(c);

  EXPECT_EQ(c.State.Stats.NewDuplicates + c.State.Stats.OldDuplicates, 0u);
  EXPECT_TRUE(ui.asked().empty());
  struct Expect {
    const char* path;
    std::uint16_t status;
    std::uint32_t newCrc, oldCrc;
  } expected[] = {
      // "MAKEFILE" < "makefile" in bytes: it takes Makefile, the other one is Deleted.
      {"A.txt", stCrcDiffers, 1, 5}, {"a.txt", stCrcDiffers, 2, 6},    {"makefile", stDeleted, 0, 7},
      {"Makefile", stCrcDiffers, 4, 8}, {"README", stIdentical, 3, 3},
  };
  ASSERT_EQ(c.Files.Count(), 5);
  for (const Expect& x : expected) {
    const FileEntry* e = c.Files.Find(x.path);
    ASSERT_NE(e, nullptr) << x.path;
    EXPECT_EQ(e->Status, x.status) << x.path;
    EXPECT_EQ(e->NewCRC, x.newCrc) << x.path;
    EXPECT_EQ(e->OldCRC, x.oldCrc) << x.path;
  }
}

TEST_F(AddFileTest, CaseMergeMatchesTheReferenceWhateverTheReadingOrder) {
  // Generated sets in which nearly every path has relatives in other letter cases, some
  // paths twice in one set; each Old set read in several orders.
  std::mt19937 rng(7);
  const char* dirs[] = {"", "d\\", "D\\", "d\\e\\", "D\\E\\", "d\\E\\"};
  const char* names[] = {"a", "A", "ab", "aB", "Ab", "AB", "b_", "B_"};
  const auto generate = [&](int count) {
    std::vector<reference::SideFile> files;
    for (int i = 0; i < count; ++i)
      files.push_back({std::string(dirs[rng() % 6]) + names[rng() % 8], static_cast<std::uint32_t>(rng() % 3)});
    return files;
  };
  for (int round = 0; round < 200; ++round) {
    const std::vector<reference::SideFile> newFiles = generate(static_cast<int>(rng() % 30));
    std::vector<reference::SideFile> oldFiles = generate(static_cast<int>(rng() % 30));
    // Duplicates keep the first of their path; drop the later ones so that any order of
    // the rest must give one result.
    std::vector<reference::SideFile> distinctOld;
    for (const reference::SideFile& f : oldFiles)
      if (std::none_of(distinctOld.begin(), distinctOld.end(), [&](const auto& d) { return d.path == f.path; }))
        distinctOld.push_back(f);
    const std::vector<reference::MergedEntry> expected = reference::mergeSets(newFiles, oldFiles);
    ASSERT_EQ(reference::mergeSets(newFiles, distinctOld), expected);

    for (int order = 0; order < 3; ++order) {
      const std::vector<reference::SideFile>& reading = order == 0 ? oldFiles : distinctOld;
      c.ClearFiles();
      c.State.Stats = {};
      for (const auto& f : newFiles) add(Side::New, f.path, {f.crc});
      for (const auto& f : reading) add(Side::Old, f.path, {f.crc});
      PairPendingOldFiles(c);
      std::vector<reference::MergedEntry> got;
      for (std::int32_t i = 0; i < c.Files.Count(); ++i) {
        const FileEntry& e = c.Files.ItemAt(i);
        const bool hasNew = e.Status != stDeleted, hasOld = e.Status != stInserted;
        got.push_back({std::string(e.Path()), hasNew, hasOld, hasNew ? e.NewCRC : 0, hasOld ? e.OldCRC : 0});
      }
      std::string shown = "new:";
      for (const auto& f : newFiles) shown += " " + f.path + "=" + std::to_string(f.crc);
      shown += "\nold:";
      for (const auto& f : reading) shown += " " + f.path + "=" + std::to_string(f.crc);
      ASSERT_EQ(got, expected) << "round " << round << " order " << order << "\n" << shown;
      std::shuffle(distinctOld.begin(), distinctOld.end(), rng);
    }
  }
}

TEST_F(AddFileTest, SamePathTwiceInOneSetKeepsTheFirstQuietly) {
  add(Side::Old, "x\\a.txt", {1, 2, 3});
  add(Side::Old, "x\\a.txt", {4, 5, 6});
  const FileEntry* e = c.Files.Find("x\\a.txt");
  EXPECT_EQ(e->Status, stDeleted);
  EXPECT_EQ(e->OldCRC, 1u);
  EXPECT_EQ(c.State.Stats.OldDuplicates, 0u);
}

TEST_F(AddFileTest, MaximumFileCountIsAFatalError) {
  c.Files.MaximumFileCount = 2;
  add(Side::New, "1");
  add(Side::New, "2");
  try {
    add(Side::New, "3");
    FAIL() << "no fatal error";
  } catch (const FatalError& stop) {
    EXPECT_EQ(stop.message, "Maximum file count reached, 3 files read.");
    EXPECT_EQ(stop.kind, ExitKind::Error);
  }
}

}  // namespace
}  // namespace quorvane
