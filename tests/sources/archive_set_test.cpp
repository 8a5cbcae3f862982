// Archives read as sets: the attribute and path rules of the archive set reader, and whole
// comparisons of a directory against archives of itself made by the real tools.
#include "sources/archive/archive_set_reader.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <fstream>
#include <map>
#include <string>
#include <vector>

#include "engine/run_comparison.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "sources/set_readers.h"
#include "support/archive_bytes.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using test::BuildZip;
using test::ZipMember;

class ArchiveSetTest : public ::testing::Test, public test::ComparisonFixture {
 protected:
  void writeFile(const std::string& relative, const std::string& bytes) {
    std::ofstream(tree.path(relative), std::ios::binary) << bytes;
  }

  // Reads the archive as the New set; returns the paths added, sorted.
  std::vector<std::string> readNew(const std::string& relative, SetKind kind = SetKind::Zip) {
    c.Files.Clear();
    c.State.Stats = {};
    c.State.SubdirectoriesWarning = false;
    c.State.NewSet.Kind = kind;
    c.State.NewSet.Root = tree.path(relative);
    ReadArchiveSet(c, Side::New);
    std::vector<std::string> out;
    for (std::int32_t i = 0; i < c.Files.Count(); ++i) out.emplace_back(c.Files.ItemAt(i).Path());
    std::sort(out.begin(), out.end());
    return out;
  }

  test::TempTree tree;
};

const std::vector<ZipMember> kMixed = {
    {.name = "plain.txt", .size = 3, .crc = 0xABCDEF01, .time = 0x586F528F, .externalAttributes = 0x20},
    {.name = "readonly.txt", .externalAttributes = 0x21},
    {.name = "hidden.txt", .externalAttributes = 0x22},
    {.name = "system.sys", .externalAttributes = 0x24},
    {.name = "sub/", .externalAttributes = 0x10},
    {.name = "sub/deep.txt", .size = 9},
    {.name = "unix/", .madeBy = 0x031E},  // a directory entry known only by its trailing "/"
};

TEST_F(ArchiveSetTest, SkipsSpecialMembersUnlessTheSettingsAllowThem) {
  const struct {
    std::uint8_t specialAttr;
    bool alsoArchives;
    std::vector<std::string> paths;
  } cases[] = {
      {0x00, true, {"plain.txt", "readonly.txt", "sub\\deep.txt"}},
      {0x02, true, {"hidden.txt", "plain.txt", "readonly.txt", "sub\\deep.txt"}},
      {0x06, true, {"hidden.txt", "plain.txt", "readonly.txt", "sub\\deep.txt", "system.sys"}},
      {0x06, false, {"plain.txt", "readonly.txt", "sub\\deep.txt"}},
  };
  writeFile("mixed.zip", BuildZip(kMixed));
  for (const auto& t : cases) {
    settings.SpecialAttr = t.specialAttr;
    settings.SpecialAlsoArc = t.alsoArchives;
    EXPECT_EQ(readNew("mixed.zip"), t.paths) << int(t.specialAttr) << " " << t.alsoArchives;
  }
}

TEST_F(ArchiveSetTest, MembersInSubdirectoriesNeedRecurse) {
  writeFile("mixed.zip", BuildZip(kMixed));
  settings.Recurse = false;
  EXPECT_EQ(readNew("mixed.zip"), (std::vector<std::string>{"plain.txt", "readonly.txt"}));
  EXPECT_TRUE(c.State.SubdirectoriesWarning);

  writeFile("flat.zip", BuildZip({{.name = "a.txt"}}));
  EXPECT_EQ(readNew("flat.zip"), (std::vector<std::string>{"a.txt"}));
  EXPECT_FALSE(c.State.SubdirectoriesWarning);

  settings.Recurse = true;
  settings.NoPath = true;
  EXPECT_EQ(readNew("mixed.zip"), (std::vector<std::string>{"deep.txt", "plain.txt", "readonly.txt"}));
}

TEST_F(ArchiveSetTest, FillsTheSideFromTheMember) {
  writeFile("mixed.zip", BuildZip(kMixed));
  readNew("mixed.zip");
  const FileEntry* e = c.Files.Find("plain.txt");
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->NewCRC, 0xABCDEF01u);
  EXPECT_EQ(e->NewSize, 3u);
  EXPECT_EQ(e->NewTime, 0x586F528Fu);
  EXPECT_EQ(e->NewAttr, 0x20);
  EXPECT_EQ(e->Status, stInserted);
  EXPECT_GT(c.State.Stats.BytesRead, 0.0);
  EXPECT_LE(c.State.Stats.BytesRead, static_cast<double>(BuildZip(kMixed).size()));
}

TEST_F(ArchiveSetTest, OnlyZipRarAndArjKindsAreRead) {
  writeFile("a.lzh", "-lh5- not read");
  const struct {
    SetKind kind;
    const char* file;
    std::string message;
  } cases[] = {
      {SetKind::Lha, "a.lzh", "Error unsupported archive type"},
      {SetKind::Ace, "a.lzh", "Error unsupported archive type"},
      {SetKind::Zip, "missing.zip", "Archive file not found"},
      {SetKind::Rar, "a.lzh", "RAR Marker block not found in : \r" + tree.path("a.lzh")},
  };
  for (const auto& t : cases) {
    std::string message;
    try {
      readNew(t.file, t.kind);
    } catch (const Exception& e) {
      message = e.what();
    }
    EXPECT_EQ(message, t.message) << t.file << " as kind " << int(t.kind);
  }
}

TEST_F(ArchiveSetTest, AReaderErrorStopsTheRunWithItsMessage) {
  std::string damaged = BuildZip(kMixed);
  damaged[damaged.rfind("PK\x01\x02") + 2] = 0;  // the last central header
  writeFile("damaged.zip", damaged);
  tree.dir("empty");
  settings.CloseProgressDlg = true;
  c.State.NewSet = {SetKind::Zip, tree.path("damaged.zip"), ChecksumKind::Crc32};
  c.State.OldSet = {SetKind::Directory, tree.path("empty/"), ChecksumKind::Crc32};
  SetSourceReaders readers;
  EXPECT_EQ(RunComparison(c, readers), RunOutcome::Failed);
  bool shown = false;
  for (const auto& asked : ui.asked())
    shown |= asked.text == "Error in ZIP file, Central_file_header_signature was expected";
  EXPECT_TRUE(shown);
}

// --- whole comparisons against archives made by the real tools ---------------------------

bool toolInstalled(const std::string& tool) {
  return std::system(("command -v " + tool + " >/dev/null 2>&1").c_str()) == 0;
}

class ToolArchiveTest : public ArchiveSetTest {
 protected:
  // A small tree whose times have even seconds (DOS times keep 2-second steps).
  void makeTree() {
    tree.file("tree/readme.txt", "Hello, archive world.\n", 1710498030);
    tree.file("tree/docs/notes with spaces.txt", "a file whose name has spaces\n", 1710498030);
    tree.file("tree/docs/deep/level3.txt", "three levels down\n", 931075200);
    tree.file("tree/na\xC3\xAFve-caf\xC3\xA9.txt", "UTF-8 name\n", 1710498030);
    tree.file("tree/empty.dat", "", 1704067198);
    std::string big;
    for (int i = 0; i < 20000; ++i) big += "The quick brown fox " + std::to_string(i) + "\n";
    tree.file("tree/big.bin", big, 1704067198);
    tree.file("stub.bin", "MZ" + std::string(4094, '\0'));
    tree.file("comment.txt", std::string(5000, 'c'));
  }

  void run(const std::string& command) {
    const std::string line = "cd '" + tree.root() + "' && ( " + command + " ) >/dev/null 2>&1";
    ASSERT_EQ(std::system(line.c_str()), 0) << command;
  }

  // Compares tree/ (New) with the archive (Old); returns the status of every entry.
  std::map<std::string, std::uint16_t> compare(const std::string& archive, SetKind kind) {
    c.Files.Clear();
    c.State.NewSet = {SetKind::Directory, tree.path("tree/"), ChecksumKind::Crc32};
    c.State.OldSet = {kind, tree.path(archive), ChecksumKind::Crc32};
    c.State.SnapshotMode = false;
    SetSourceReaders readers;
    EXPECT_EQ(RunComparison(c, readers), RunOutcome::Completed) << archive;
    std::map<std::string, std::uint16_t> out;
    for (std::int32_t i = 0; i < c.Files.Count(); ++i) out[std::string(c.Files.ItemAt(i).Path())] = c.Files.ItemAt(i).Status;
    return out;
  }
};

TEST_F(ToolArchiveTest, EveryEntryIsIdenticalToTheArchiveOfItsTree) {
  makeTree();
  settings.CloseProgressDlg = true;
  settings.ShowStatusDlg = false;
  const struct {
    const char* tool;
    const char* command;
    const char* archive;
    SetKind kind;
  } cases[] = {
      {"zip", "cd tree && zip -r -X ../plain.zip .", "plain.zip", SetKind::Zip},
      {"zip", "cd tree && zip -r -X -z ../comment.zip . < ../comment.txt", "comment.zip", SetKind::Zip},
      {"zip", "cd tree && zip -r -X ../inner.zip . && cd .. && cat stub.bin inner.zip > prefixed.zip", "prefixed.zip",
       SetKind::Zip},
      {"zip", "cd tree && zip -r -X ../sfx.zip . && cd .. && cat stub.bin sfx.zip > setup.exe && zip -A setup.exe",
       "setup.exe", SetKind::Zip},
      {"fastjar", "cd tree && fastjar -cMf ../fast.jar .", "fast.jar", SetKind::Zip},
      {"jar", "cd tree && jar cMf ../jdk.jar .", "jdk.jar", SetKind::Zip},
      {"arj", "cd tree && arj a -r -y ../unix.arj '*'", "unix.arj", SetKind::Arj},
  };
  for (const auto& t : cases) {
    if (!toolInstalled(t.tool)) {
      std::cerr << "skipped, not installed: " << t.tool << "\n";
      continue;
    }
    SCOPED_TRACE(t.archive);
    run(t.command);
    const auto statuses = compare(t.archive, t.kind);
    EXPECT_EQ(statuses.size(), 6u);
    for (const auto& [path, status] : statuses) EXPECT_EQ(status, stIdentical) << path;
  }
}

// Info-ZIP rounds an odd second up in the DOS fields, where a file on disk rounds down;
// its extended timestamp holds the exact time, so a tree matches its own archive.
TEST_F(ToolArchiveTest, OddSecondsMatchTheirOwnZip) {
  if (!toolInstalled("zip")) GTEST_SKIP() << "zip not installed";
  settings.CloseProgressDlg = true;
  settings.ShowStatusDlg = false;
  constexpr std::int64_t base = 1710498030;  // 2024-03-15 10:20:30 UTC
  for (int i = 0; i < 32; ++i)
    tree.file("tree/sub" + std::to_string(i % 3) + "/file" + std::to_string(i) + ".txt", "content " + std::to_string(i),
              base + i * 60 + (i % 2));
  run("cd tree && zip -r ../odd.zip .");
  const auto statuses = compare("odd.zip", SetKind::Zip);
  EXPECT_EQ(statuses.size(), 32u);
  for (const auto& [path, status] : statuses) EXPECT_EQ(status, stIdentical) << path;
}

TEST_F(ToolArchiveTest, MsDosNamesFromZipKMatchWithStrip83) {
  if (!toolInstalled("zip")) GTEST_SKIP() << "zip not installed";
  makeTree();
  settings.CloseProgressDlg = true;
  settings.ShowStatusDlg = false;
  run("cd tree && zip -r -X -k ../dos.zip .");
  const auto statuses = compare("dos.zip", SetKind::Zip);
  // zip -k writes upper-case 8.3 names marked as made on MS-DOS; letter case folds.
  EXPECT_EQ(statuses.count("README.TXT") + statuses.count("readme.txt"), 1u);
  EXPECT_EQ(statuses.at(statuses.count("README.TXT") ? "README.TXT" : "readme.txt"), stIdentical);
}

}  // namespace
}  // namespace quorvane
