// Small files read in batches by the read-ahead threads: whole comparisons give the same
// entries, checksums, counters and problems as reading every file on its own, also when
// the batch leaves files to the ordinary read (failed, cut short, grown).
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <map>
#include <string>
#include <tuple>
#include <vector>

#include "engine/run_comparison.h"
#include "platform/batch_file_reader.h"
#include "sources/checksum_pipeline.h"
#include "sources/crc16.h"
#include "sources/crc32.h"
#include "sources/directory_scanner.h"
#include "sources/set_readers.h"
#include "support/comparison_fixture.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using platform::BatchFileReader;

std::string content(std::size_t size, int seed) {
  std::string s(size, '\0');
  for (std::size_t i = 0; i < size; ++i) s[i] = static_cast<char>((i * 37 + static_cast<std::size_t>(seed) * 11) >> 2);
  return s;
}

std::uint32_t crc32Of(const std::string& s) { return ~Crc32UpdateByTable(0xFFFFFFFFu, s.data(), s.size()); }

using Facts = std::tuple<std::uint32_t, std::uint32_t, std::uint64_t, std::uint64_t, std::uint32_t, std::uint32_t,
                         std::uint16_t, std::uint8_t, std::uint8_t>;

struct Outcome {
  std::map<std::string, Facts> entries;
  double bytesRead = 0;
  std::vector<std::string> problems;
  bool operator==(const Outcome&) const = default;
};

class BatchReadingTest : public ::testing::Test {
 protected:
  BatchReadingTest() {
    // Sizes around every edge: empty, blocks, the largest batched size and the first one
    // read on its own, a file large enough to show its progress.
    const std::vector<std::size_t> sizes = {0, 1, 2, 511, 4096, 4097, 65535, 65536, 131071, 131072, 131073, 250000};
    for (int i = 0; i < 900; ++i) {  // more files than the read-ahead holds at once
      const std::string path = "d" + std::to_string(i % 7) + "/s" + std::to_string(i % 3) + "/f" + std::to_string(i);
      const std::size_t size = i % 40 == 0 ? sizes[static_cast<std::size_t>(i / 40) % sizes.size()]
                                           : static_cast<std::size_t>(i * 53 % 3000);
      const std::string text = content(size, i);
      held[path] = text;
      if (i % 50 != 1) fresh.file(path, text);  // some deleted
      if (i % 50 == 2) continue;                // some inserted
      std::string other = text;
      if (i % 9 == 0 && !other.empty()) other.back() ^= 1;  // same size and time, other content
      old.file(path, other);
    }
    fresh.file("link-target", content(300, 1));
    fresh.symlink("link-target", "link");
    fresh.symlink("nowhere", "dangling");
    fresh.fifo("pipe");
    settings.SpecialAttr = platform::faHidden | platform::faSystem;
  }
  void TearDown() override {
    BatchFileReader::SetEnabled(true);
    BatchFileReader::SetAfterReadForTests(nullptr);
    ChecksumPipeline::SetWorkerCount(-1);
  }

  Outcome compare(bool batches, ChecksumKind kind) {
    BatchFileReader::SetEnabled(batches);
    ChecksumPipeline::SetWorkerCount(2);
    test::ComparisonFixture f(nullptr);
    f.settings = settings;
    f.settings.CloseProgressDlg = true;
    f.c.State.NewSet = {SetKind::Directory, fresh.root(), kind};
    f.c.State.OldSet = {SetKind::Directory, old.root(), kind};
    SetSourceReaders readers;
    EXPECT_EQ(RunComparison(f.c, readers), RunOutcome::Completed);
    Outcome out;
    for (std::int32_t i = 0; i < f.c.Files.Count(); ++i) {
      const FileEntry& e = f.c.Files.ItemAt(i);
      out.entries[e.Path()] = {e.NewCRC, e.OldCRC, e.NewSize, e.OldSize, e.NewTime, e.OldTime, e.Status, e.NewAttr, e.OldAttr};
    }
    out.bytesRead = f.c.State.Stats.BytesRead;
    out.problems = f.c.Problems.Lines();
    return out;
  }

  // Counts the files read in batches (and lets a test spoil some of them).
  void watchBatches(std::function<void(BatchFileReader::File&)> spoil = nullptr) {
    BatchFileReader::SetAfterReadForTests([this, spoil](BatchFileReader::File& f) {
      ++batched;
      if (spoil) spoil(f);
    });
  }

  Settings settings;
  test::TempTree fresh, old;
  std::map<std::string, std::string> held;  // the New contents by their paths on disk
  std::atomic<int> batched{0};
};

TEST_F(BatchReadingTest, BatchesGiveWhatReadingEachFileGives) {
  if (!BatchFileReader::Create()) GTEST_SKIP() << "this system cannot read files in batches";
  for (const ChecksumKind kind : {ChecksumKind::Crc32, ChecksumKind::Crc16}) {
    const Outcome single = compare(false, kind);
    batched = 0;
    watchBatches();
    const Outcome batch = compare(true, kind);
    EXPECT_GT(batched.load(), 1000) << int(kind);  // most files of both sets went through batches
    EXPECT_EQ(batch, single) << int(kind);
    ASSERT_EQ(batch.entries.size(), 904u) << int(kind);  // 900 paths, the link, its target, the dangling link, the FIFO
    if (kind != ChecksumKind::Crc32) continue;
    for (const auto& [path, text] : held) {  // and the checksums are the files' own
      std::string key = path;
      for (char& ch : key) ch = ch == '/' ? '\\' : ch;
      const auto it = batch.entries.find(key);
      ASSERT_NE(it, batch.entries.end()) << key;
      if (std::get<6>(it->second) & stDeleted) continue;  // not in the New set
      EXPECT_EQ(std::get<0>(it->second), crc32Of(text)) << key;
    }
  }
}

TEST_F(BatchReadingTest, FilesTheBatchLeavesAreReadTheOrdinaryWay) {
  if (!BatchFileReader::Create()) GTEST_SKIP() << "this system cannot read files in batches";
  const Outcome single = compare(false, ChecksumKind::Crc32);
  int n = 0;
  watchBatches([&n](BatchFileReader::File& f) {
    switch (n++ % 4) {
      case 0: f.read = -1; break;                                     // could not be opened or read
      case 1: if (f.read > 0) --f.read; break;                        // cut short
      case 2: f.read = static_cast<std::int64_t>(f.capacity); break;  // grown since listed
      default: break;
    }
  });
  EXPECT_EQ(compare(true, ChecksumKind::Crc32), single);
  EXPECT_GT(batched.load(), 1000);
}

TEST_F(BatchReadingTest, SnapshotModeKeepsBothChecksums) {
  if (!BatchFileReader::Create()) GTEST_SKIP() << "this system cannot read files in batches";
  const auto scan = [&](bool batches) {
    BatchFileReader::SetEnabled(batches);
    ChecksumPipeline::SetWorkerCount(2);
    test::ComparisonFixture f(nullptr);
    f.c.State.SnapshotMode = true;
    f.c.State.CurrentChecksumKind = ChecksumKind::Crc32;
    ScanDirectoryTree(f.c, Side::New, fresh.root(), "");
    std::map<std::string, std::pair<std::uint32_t, std::uint16_t>> out;
    for (std::int32_t i = 0; i < f.c.Files.Count(); ++i)
      out[f.c.Files.ItemAt(i).Path()] = {f.c.Files.ItemAt(i).NewCRC, f.c.Files.ItemAt(i).Status};
    return out;
  };
  const auto single = scan(false);
  watchBatches();
  const auto batch = scan(true);
  EXPECT_GT(batched.load(), 500);
  EXPECT_EQ(batch, single);
  const std::string& text = held.at("d3/s0/f3");
  EXPECT_EQ(batch.at("d3\\s0\\f3"), std::make_pair(crc32Of(text), Crc16UpdateByTable(0, text.data(), text.size())));
}

}  // namespace
}  // namespace quorvane
