#include "sources/snapshot_format.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <random>

#include "engine/file_entry.h"
#include "engine/value_text.h"

namespace quorvane {
namespace {

// The file line as the text routines of value_text build it.
std::string referenceLine(std::uint64_t size, std::uint32_t time, std::uint16_t cr16, std::uint32_t crc32,
                          const std::string& path) {
  char head[32];
  std::snprintf(head, sizeof head, "%10llu ", static_cast<unsigned long long>(size));
  return head + FixedDateTimeText(time) + " " + HexWord(cr16) + " " + HexLong(crc32) + " " + path;
}

TEST(SnapshotFileLine, EqualsTheTextRoutinesOnGeneratedValues) {
  std::mt19937_64 random(1);
  for (int i = 0; i < 100000; ++i) {
    const std::uint64_t size = random() >> (random() % 64);
    const auto time = static_cast<std::uint32_t>(i < 5 ? i : random());
    const auto cr16 = static_cast<std::uint16_t>(random());
    const auto crc32 = static_cast<std::uint32_t>(random());
    ASSERT_EQ(SnapshotFileLine(size, time, cr16, crc32, "p\\q"), referenceLine(size, time, cr16, crc32, "p\\q"))
        << size << " " << time;
  }
  EXPECT_EQ(SnapshotFileLine(3221225472ull, PackTime({2024, 3, 5, 14, 7, 9}), 0xAB, 0xC, "sub\\x.txt"),
            "3221225472 2024/03/05 14:07:08 00AB 0000000C sub\\x.txt");
  EXPECT_EQ(SnapshotFileLine(12345678901ull, 0, 0, 0, "big").substr(0, 12), "12345678901 ");
}

TEST(SnapshotHeader, LinesOneToSeventeen) {
  SnapshotHeaderFacts f;
  f.kind = SetKind::Directory;
  f.source = "/data/";
  f.sideNote = "  [DATA]";
  f.includeMask = "*.TXT";
  f.excludeMasks = {"B*.TXT", "README.*"};
  f.recurse = false;
  f.subdirectoriesWarning = true;
  f.includeDirs = {"a", "b\\c"};
  f.quick = true;
  f.strip83 = true;
  f.generatedOn = {2024, 3, 5, 4, 7, 9};
  const std::vector<std::string> want = {
      "[Pelto LIST]",
      "",
      ".Version 1.6",
      ".Source (DIRECTORY) : /data/",
      ".Source label       : [DATA]",
      ".File pattern       : *.TXT",
      ".Exclude mask       : B*.TXT;README.*",
      ".Recursed dirs      : No. -->  WARNING : PATH information in an archive file was skipped.",
      ".Included dirs      : a;b\\c",
      ".Excluded dirs      : <None>",
      ".Quick mode         : Yes",
      ".Source format      : 8 (DIR)",
      ".Filename format    : Stripped to 8.3",
      ".Generated on       : 03/05/2024 04:07:09",
      "",
      "Size       Date       Time     CR16 CRC32    Filename",
      "---------- ---------- -------- ---- -------- ------------",
  };
  EXPECT_EQ(SnapshotHeaderLines(f), want);

  SnapshotHeaderFacts archive;
  archive.kind = SetKind::Zip;
  archive.source = "/x/a.zip";
  archive.includeMask = "*.*";
  archive.noPath = true;
  const std::vector<std::string> lines = SnapshotHeaderLines(archive);
  EXPECT_EQ(lines[3], ".Source (ARCHIVE)   : /x/a.zip");
  EXPECT_EQ(lines[4], ".Source label       : ");
  EXPECT_EQ(lines[6], ".Exclude mask       : ");
  EXPECT_EQ(lines[7], ".Recursed dirs      : Yes      Path stripped : Yes");
  EXPECT_EQ(lines[11], ".Source format      : 1 (ZIP)");
  EXPECT_EQ(SnapshotCountLine(0), ".0 files listed.");
  EXPECT_EQ(SnapshotCountLine(1234567), ".1234567 files listed.");
}

TEST(ListingMask, EveryConsideredBitMustBeShown) {
  struct Case {
    bool newSide;
    bool snapshotMode;
    std::uint16_t iFilter, xFilter, status;
    bool listed;
  } cases[] = {
      {true, false, 0xFFFF, 0xFFFF, stIdentical, true},
      {true, false, 0xFFFF, 0xFFFF, stInserted, true},
      {true, false, 0xFFFF, 0xFFFF, stDeleted, false},
      {false, false, 0xFFFF, 0xFFFF, stDeleted, true},
      {false, false, 0xFFFF, 0xFFFF, stInserted, false},
      {true, false, 0xFFFF, 0xFFFF, stNewer | stBigger, true},
      {true, false, 0xFFFF, 0xFFFF & ~stBigger, stNewer | stBigger, false},
      // A bit that is not considered neither lists nor hides the entry.
      {true, false, 0xFFFF & ~stBigger, 0xFFFF & ~stBigger, stNewer | stBigger, true},
      {true, false, 0xFFFF & ~stDeleted, 0xFFFF, stDeleted, true},
      {true, true, 0, 0, stDeleted, true},
      {false, true, 0xFFFF, 0xFFFF, 0xBEEF, true},
  };
  for (const Case& k : cases) {
    EXPECT_EQ(ListingMask(k.newSide, k.snapshotMode, k.iFilter, k.xFilter).Lists(k.status), k.listed)
        << k.newSide << " " << k.snapshotMode << " " << k.iFilter << " " << k.xFilter << " " << k.status;
  }
}

}  // namespace
}  // namespace quorvane
