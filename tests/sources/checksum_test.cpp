// The checksum loop: kinds, snapshot mode, Quick, block reads, per-file progress, the
// Retry / Skip / Skip all / Abort prompts on files that cannot be opened or read, and
// whole comparisons that now tell files apart by content.
#include "sources/file_checksum.h"

#include <gtest/gtest.h>

#include <atomic>
#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "engine/run_comparison.h"
#include "support/comparison_fixture.h"
#include "support/recording_user_interface.h"
#include "sources/crc16.h"
#include "sources/checksum_pipeline.h"
#include "sources/crc32.h"
#include "sources/set_readers.h"
#include "support/scripted_file_reader.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using platform::FileAction;
using test::ScriptedReader;

// Records the per-file progress the headless interface leaves out.
class ProgressRecordingUi : public test::RecordingUserInterface {
 public:
  ProgressRecordingUi() : RecordingUserInterface(nullptr) {}
  void progressCurrentFile(std::string_view path) override { currentFiles.emplace_back(path); }
  void progressBar(int percent) override { bars.push_back(percent); }
  std::vector<std::string> currentFiles;
  std::vector<int> bars;
};

std::string pattern(std::size_t size) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>((i * 7 + i / 251) & 0xFF);
  return s;
}

std::uint32_t crc32Of(const std::string& s) { return ~Crc32UpdateByTable(0xFFFFFFFFu, s.data(), s.size()); }
std::uint16_t crc16Of(const std::string& s) { return Crc16UpdateByTable(0, s.data(), s.size()); }

class ChecksumTest : public ::testing::Test {
 protected:
  ChecksumTest() : c(settings, ui) {
    auto r = std::make_unique<ScriptedReader>();
    reader = r.get();
    c.Reader = std::move(r);
  }

  // Writes the file and checksums it.
  std::optional<std::uint32_t> checksum(const std::string& name, const std::string& content) {
    tree.file(name, content);
    return checksumOf(name, content.size());
  }
  std::optional<std::uint32_t> checksumOf(const std::string& name, std::uint64_t size, bool regular = true) {
    ChecksumRequest request;
    request.nativePath = tree.path(name);
    request.relativePath = name;
    request.size = size;
    request.regular = regular;
    return ChecksumFile(c, request);
  }
  std::size_t prompts() const { return ui.asked().size(); }

  test::TempTree tree;
  Settings settings;
  ProgressRecordingUi ui;
  Comparison c;
  ScriptedReader* reader = nullptr;
};

TEST_F(ChecksumTest, EachKindGivesItsChecksum) {
  struct Case {
    int kind;  // 32, 16 or 0
    bool snapshot;
    std::string content;
    std::uint32_t returned;
    std::uint16_t status;  // CRC-16 left in the scan record in snapshot mode
  };
  const std::string big = pattern(300'000);
  const std::vector<Case> cases = {
      {32, false, "abc", 0x352441C2u, 0x7777},
      {16, false, "abc", 0x9738u, 0x7777},
      {0, false, "abc", 0u, 0x7777},
      {32, true, "abc", 0x352441C2u, 0x9738},
      {16, true, "abc", 0x352441C2u, 0x9738},  // snapshot mode computes both whatever the kind
      {32, false, "", 0u, 0x7777},
      {16, false, "", 0u, 0x7777},
      {32, true, "", 0u, 0},
      {32, false, big, crc32Of(big), 0x7777},
      {16, false, big, crc16Of(big), 0x7777},
      {32, true, big, crc32Of(big), crc16Of(big)},
  };
  for (const Case& k : cases) {
    c.State.CurrentChecksumKind = ChecksumKindFromNumber(k.kind).value();
    c.State.SnapshotMode = k.snapshot;
    c.State.Stats.BytesRead = 0;
    c.Scan.Status = 0x7777;
    const std::optional<std::uint32_t> got = checksum("f.bin", k.content);
    const std::string what = "kind " + std::to_string(k.kind) + (k.snapshot ? " snapshot" : "") + ", " +
                             std::to_string(k.content.size()) + " bytes";
    ASSERT_TRUE(got.has_value()) << what;
    EXPECT_EQ(*got, k.returned) << what;
    EXPECT_EQ(c.Scan.Status, k.status) << what;
    EXPECT_EQ(c.State.Stats.BytesRead, static_cast<double>(k.content.size())) << what;
  }
  EXPECT_EQ(prompts(), 0u);
}

TEST_F(ChecksumTest, ReadsInBlocksOfTheBufferSize) {
  struct Case {
    std::size_t size;
    std::vector<std::int64_t> reads;
  };
  const std::vector<Case> cases = {
      {0, {0}},
      {65'534, {65'534}},
      {65'535, {65'535, 0}},  // a full block, then the read that finds the end
      {65'536, {65'535, 1}},
      {131'070, {65'535, 65'535, 0}},
  };
  for (const Case& k : cases) {
    reader->readSizes.clear();
    const std::string content = pattern(k.size);
    EXPECT_EQ(checksum("f.bin", content), crc32Of(content)) << k.size;
    EXPECT_EQ(reader->readSizes, k.reads) << k.size;
  }
}

TEST_F(ChecksumTest, LargeFilesShowTheirOwnProgress) {
  checksum("small.bin", pattern(196'605));
  EXPECT_TRUE(ui.currentFiles.empty());
  EXPECT_TRUE(ui.bars.empty());

  checksum("large.bin", pattern(196'606));  // four blocks: 33, 66, 99 and 100 percent
  EXPECT_EQ(ui.currentFiles, (std::vector<std::string>{"large.bin", ""}));
  EXPECT_EQ(ui.bars, (std::vector<int>{33, 66, 99, 100, 0}));
}

TEST_F(ChecksumTest, QuickAndSpecialFilesOpenNothing) {
  c.State.SnapshotMode = true;
  c.Scan.Status = 0x7777;
  settings.Quick = true;
  EXPECT_EQ(checksumOf("not-even-there.bin", 123'456), 0u);
  EXPECT_EQ(c.State.Stats.BytesRead, 123'456.0);
  EXPECT_EQ(c.Scan.Status, 0);

  settings.Quick = false;
  tree.fifo("pipe");
  EXPECT_EQ(checksumOf("pipe", 0, false), 0u);  // would block if it were opened
  EXPECT_EQ(reader->shared->opens, 0);
  EXPECT_EQ(prompts(), 0u);
}

TEST_F(ChecksumTest, WhatIsNoRegularFileIsNeverRead) {
  // Listed as a file, but a directory or a FIFO by the time it is opened: refused at
  // once (a FIFO would block), so the open prompt appears.
  tree.dir("was-a-file");
  tree.fifo("now-a-pipe");
  ui.scriptFileAction(FileAction::Skip);
  ui.scriptFileAction(FileAction::Skip);
  EXPECT_EQ(checksumOf("was-a-file", 10), std::nullopt);
  EXPECT_EQ(checksumOf("now-a-pipe", 10), std::nullopt);
  ASSERT_EQ(prompts(), 2u);
  EXPECT_EQ(ui.asked()[0].text, "Error opening : was-a-file");
  EXPECT_EQ(ui.asked()[1].text, "Error opening : now-a-pipe");
}

TEST_F(ChecksumTest, OpenErrorAnswers) {
  struct Case {
    const char* name;
    std::vector<FileAction> answers;
    int failures;  // opens that fail before the file can be opened
    bool checksummed;
    bool skipAllAfter;
    bool aborted;
  };
  const std::vector<Case> cases = {
      {"retry then success", {FileAction::Primary, FileAction::Primary}, 2, true, false, false},
      {"skip", {FileAction::Skip}, 1, false, false, false},
      {"skip all", {FileAction::SkipAll}, 1, false, true, false},
      {"abort", {FileAction::Primary, FileAction::Abort}, 5, false, false, true},
  };
  for (const Case& k : cases) {
    settings.SkipAllFiles = false;
    ui.clearAbort();
    for (FileAction a : k.answers) ui.scriptFileAction(a);
    reader->openFailures = k.failures;
    const std::size_t before = prompts();
    SCOPED_TRACE(std::string(k.name) + ": " + std::to_string(k.answers.size()) + " answers, " +
                 std::to_string(k.failures) + " failing opens");

    const std::optional<std::uint32_t> got = checksum("dir/locked.txt", "abc");
    EXPECT_EQ(got.has_value(), k.checksummed) << k.name;
    if (got) {
      EXPECT_EQ(*got, 0x352441C2u) << k.name;
    }
    EXPECT_EQ(settings.SkipAllFiles, k.skipAllAfter) << k.name;
    EXPECT_EQ(ui.abortRequested(), k.aborted) << k.name;
    ASSERT_EQ(prompts() - before, k.answers.size()) << k.name;
    for (std::size_t i = before; i < prompts(); ++i) {
      EXPECT_EQ(ui.asked()[i].text, "Error opening : locked.txt") << k.name;
      EXPECT_EQ(ui.asked()[i].path, tree.path("dir/locked.txt")) << k.name;
      EXPECT_TRUE(ui.asked()[i].fileAction) << k.name;
    }
  }
}

TEST_F(ChecksumTest, SkipAllSilencesLaterFiles) {
  ui.scriptFileAction(FileAction::SkipAll);
  EXPECT_EQ(checksumOf("gone-1.txt", 3), std::nullopt);  // vanished since it was listed
  EXPECT_TRUE(settings.SkipAllFiles);
  EXPECT_EQ(checksumOf("gone-2.txt", 3), std::nullopt);
  reader->failingReads = {reader->reads + 1};
  EXPECT_EQ(checksum("read-error.txt", "abc"), std::nullopt);
  EXPECT_EQ(prompts(), 1u);
  EXPECT_EQ(checksum("fine.txt", "abc"), 0x352441C2u);
}

TEST_F(ChecksumTest, ReadErrorAnswers) {
  const std::string content = pattern(200'000);
  tree.file("big.bin", content);

  // The second block fails twice; Retry reads it again from the same position.
  reader->failingReads = {2, 3};
  ui.scriptFileAction(FileAction::Primary);
  ui.scriptFileAction(FileAction::Primary);
  EXPECT_EQ(checksumOf("big.bin", content.size()), crc32Of(content));
  ASSERT_EQ(prompts(), 2u);
  EXPECT_EQ(ui.asked()[0].text, "Error reading : big.bin");
  EXPECT_EQ(ui.asked()[0].path, tree.path("big.bin"));
  EXPECT_EQ(c.State.Stats.BytesRead, 200'000.0);
  EXPECT_EQ(ui.bars.back(), 0);  // the per-file bar is cleared however the file ends

  reader->failingReads = {reader->reads + 2};
  ui.scriptFileAction(FileAction::Skip);
  EXPECT_EQ(checksumOf("big.bin", content.size()), std::nullopt);
  EXPECT_FALSE(ui.abortRequested());

  reader->failingReads = {reader->reads + 3};
  ui.scriptFileAction(FileAction::Abort);
  EXPECT_EQ(checksumOf("big.bin", content.size()), std::nullopt);
  EXPECT_TRUE(ui.abortRequested());
  EXPECT_EQ(prompts(), 4u);
  EXPECT_EQ(ui.currentFiles.back(), "");
}

TEST_F(ChecksumTest, AbortDuringAFileStopsIt) {
  std::uint64_t now = 0;
  c.Progress.clock = [&] { return now += 300; };  // every read lets messages through
  ui.onPump = [&] { ui.requestAbort(); };
  EXPECT_EQ(checksum("big.bin", pattern(300'000)), std::nullopt);
  EXPECT_EQ(reader->reads, 1);
}

// Whole comparisons through the directory scanner, with every file read on the spot
// (0 workers) and with files read ahead by worker threads: the same results and prompts.
class ChecksumComparisonTest : public ::testing::TestWithParam<int>, public test::ComparisonFixture {
 protected:
  void SetUp() override { ChecksumPipeline::SetWorkerCount(GetParam()); }
  void TearDown() override { ChecksumPipeline::SetWorkerCount(-1); }

  ChecksumComparisonTest() : ComparisonFixture(nullptr) {
    settings.CloseProgressDlg = true;
    c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
    auto r = std::make_unique<ScriptedReader>();
    reader = r.get();
    c.Reader = std::move(r);
  }
  const FileEntry* entry(const std::string& path) { return c.Files.Find(path); }

  test::TempTree fresh, old;
  SetSourceReaders readers;
  ScriptedReader* reader = nullptr;
};

TEST_P(ChecksumComparisonTest, SameSizeAndTimeButOtherContentIsCrcDiffers) {
  for (const ChecksumKind kind : {ChecksumKind::Crc32, ChecksumKind::Crc16}) {
    c.ClearFiles();
    c.State.NewSet.Checksum = c.State.OldSet.Checksum = kind;
    fresh.file("same.txt", "abc");
    old.file("same.txt", "abc");
    fresh.file("content.txt", "abc");
    old.file("content.txt", "xyz");
    fresh.file("sub/newer.txt", "abd", 1700000100);
    old.file("sub/newer.txt", "abc", 1700000000);

    ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed) << int(kind);
    EXPECT_EQ(entry("same.txt")->Status, stIdentical) << int(kind);
    EXPECT_EQ(entry("content.txt")->Status, stCrcDiffers) << int(kind);
    EXPECT_EQ(entry("sub\\newer.txt")->Status, stCrcDiffers | stNewer) << int(kind);
    EXPECT_EQ(entry("same.txt")->NewCRC, kind == ChecksumKind::Crc32 ? 0x352441C2u : 0x9738u) << int(kind);
    EXPECT_EQ(entry("content.txt")->OldCRC, kind == ChecksumKind::Crc32 ? crc32Of("xyz") : crc16Of("xyz")) << int(kind);
    EXPECT_EQ(c.State.Stats.BytesRead, 18.0) << int(kind);
    EXPECT_EQ(c.State.Stats.StatusCounts[1], 2u) << int(kind);
  }
}

TEST_P(ChecksumComparisonTest, ManyFilesKeepTheirChecksums) {
  // More files than the read-ahead holds at once, small and large, in several directories.
  std::map<std::string, std::pair<std::string, std::string>> files;  // held path -> new, old content
  for (int i = 0; i < 1300; ++i) {
    const std::string dir = "d" + std::to_string(i % 3) + "/";
    const std::size_t size = i % 97 == 0 ? 200'000 + static_cast<std::size_t>(i) : static_cast<std::size_t>(i % 200);
    std::string content = pattern(size) + std::to_string(i);
    std::string changed = content;
    if (i % 7 == 0) changed.back() ^= 1;  // same size and time, other content
    fresh.file(dir + "f" + std::to_string(i), content);
    old.file(dir + "f" + std::to_string(i), changed);
    files["d" + std::to_string(i % 3) + "\\f" + std::to_string(i)] = {content, changed};
  }
  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  ASSERT_EQ(c.Files.Count(), 1300);
  for (const auto& [path, contents] : files) {
    const FileEntry* e = entry(path);
    ASSERT_NE(e, nullptr) << path;
    EXPECT_EQ(e->NewCRC, crc32Of(contents.first)) << path;
    EXPECT_EQ(e->OldCRC, crc32Of(contents.second)) << path;
    EXPECT_EQ(e->Status, contents.first == contents.second ? stIdentical : stCrcDiffers) << path;
  }
}

TEST_P(ChecksumComparisonTest, UnreadableFilesAreSkippedAndCounted) {
  fresh.file("a.txt", "abc");
  old.file("a.txt", "abc");
  fresh.file("locked.txt", "abc");
  old.file("locked.txt", "abc");
  fresh.file("sub/locked2.txt", "abc");
  reader->shared->alwaysFailing = {"locked.txt", "locked2.txt"};
  ui.scriptFileAction(FileAction::Primary);  // Retry fails again
  ui.scriptFileAction(FileAction::SkipAll);  // then every later failure is skipped silently

  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  EXPECT_EQ(ui.asked().size(), 2u);
  EXPECT_EQ(c.State.Stats.FilesSkipped, 3u);
  EXPECT_EQ(entry("locked.txt"), nullptr);
  EXPECT_EQ(entry("sub\\locked2.txt"), nullptr);
  EXPECT_EQ(entry("a.txt")->Status, stIdentical);
  // The run completed, but not everything was compared: each skipped file is named.
  EXPECT_EQ(c.Problems.Lines(), (std::vector<std::string>{fresh.path("locked.txt") + ": skipped, could not be opened",
                                                          fresh.path("sub/locked2.txt") + ": skipped, could not be opened",
                                                          old.path("locked.txt") + ": skipped, could not be opened"}));
}

TEST_P(ChecksumComparisonTest, AFileUnreadableOnBothSidesIsAProblemNotAMatch) {
  fresh.file("a.txt", "abc");
  old.file("a.txt", "abc");
  fresh.file("bad.txt", "abc");
  old.file("bad.txt", "abc");
  reader->shared->unreadable = {"bad.txt"};  // opens, then every read fails with EIO

  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  EXPECT_EQ(c.State.Stats.FilesSkipped, 2u);
  EXPECT_EQ(entry("bad.txt"), nullptr);
  EXPECT_EQ(c.Problems.Lines(),
            (std::vector<std::string>{fresh.path("bad.txt") + ": skipped, could not be read: Input/output error",
                                      old.path("bad.txt") + ": skipped, could not be read: Input/output error"}));
}

TEST_P(ChecksumComparisonTest, AbortAtAnOpenErrorEndsTheRun) {
  fresh.file("locked.txt", "abc");
  old.file("locked.txt", "abc");
  reader->shared->alwaysFailing = {"locked.txt"};
  ui.scriptFileAction(FileAction::Abort);
  EXPECT_EQ(RunComparison(c, readers), RunOutcome::Aborted);
  EXPECT_EQ(c.Files.Count(), 0);
}

TEST_P(ChecksumComparisonTest, AbortWhileReadingEndsTheRun) {
  for (int i = 0; i < 40; ++i) fresh.file("big" + std::to_string(i), pattern(1'000'000));
  old.file("x", "x");
  std::uint64_t now = 0;
  c.Progress.clock = [&] { return now += 300; };  // every chance to pump is taken
  int pumps = 0;
  ui.onPump = [&] {
    if (++pumps == 3) ui.requestAbort();
  };
  EXPECT_EQ(RunComparison(c, readers), RunOutcome::Aborted);
  EXPECT_EQ(c.Files.Count(), 0);
}

TEST_P(ChecksumComparisonTest, SnapshotModeHoldsBothChecksums) {
  c.State.SnapshotMode = true;
  fresh.file("abc.txt", "abc");
  fresh.file("empty.txt", "");
  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  EXPECT_EQ(entry("abc.txt")->NewCRC, 0x352441C2u);
  EXPECT_EQ(entry("abc.txt")->Status, 0x9738);
  EXPECT_EQ(entry("empty.txt")->NewCRC, 0u);
  EXPECT_EQ(entry("empty.txt")->Status, 0);
}

TEST_P(ChecksumComparisonTest, QuickComparesBySizeAndTimeAndOpensNothing) {
  settings.Quick = true;
  fresh.file("content.txt", "abc");
  old.file("content.txt", "xyz");
  ASSERT_EQ(RunComparison(c, readers), RunOutcome::Completed);
  EXPECT_EQ(entry("content.txt")->Status, stIdentical);
  EXPECT_EQ(reader->shared->opens, 0);
  EXPECT_EQ(c.State.Stats.BytesRead, 6.0);
}

INSTANTIATE_TEST_SUITE_P(ReadOnTheSpotOrAhead, ChecksumComparisonTest, ::testing::Values(0, 1, 3),
                         [](const auto& info) { return std::to_string(info.param) + "Workers"; });

}  // namespace
}  // namespace quorvane
