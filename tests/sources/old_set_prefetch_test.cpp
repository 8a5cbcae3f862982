#include "sources/old_set_prefetch.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <functional>
#include <iostream>
#include <random>
#include <sstream>
#include <string>
#include <thread>
#include <vector>

#include "engine/errors.h"
#include "engine/run_comparison.h"
#include "sources/checksum_pipeline.h"
#include "sources/scan_stream.h"
#include "sources/set_readers.h"
#include "support/recording_user_interface.h"
#include "support/scripted_file_reader.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

// Logs, in order, what a run shows that does not depend on timing: statuses, the
// directories shown and every question with its answer.
class LoggingInterface : public test::RecordingUserInterface {
 public:
  LoggingInterface() : RecordingUserInterface(nullptr) {}
  std::vector<std::string> log;

  platform::Answer message(std::string_view text, platform::MessageKind kind, platform::MessageButtons buttons) override {
    const platform::Answer a = RecordingUserInterface::message(text, kind, buttons);
    log.push_back("message " + std::string(text) + " -> " + std::to_string(static_cast<int>(a)));
    return a;
  }
  platform::FileAction askFileAction(std::string_view text, std::string_view path, std::string_view primaryCaption,
                                     std::string_view allCaption, std::string_view reason) override {
    const platform::FileAction a = RecordingUserInterface::askFileAction(text, path, primaryCaption, allCaption, reason);
    log.push_back("ask " + std::string(text) + " | " + std::string(path) + " -> " + std::to_string(static_cast<int>(a)));
    return a;
  }
  void progressStatus(std::string_view status) override {
    RecordingUserInterface::progressStatus(status);
    log.push_back("status " + std::string(status));
  }
  void progressCurrentPath(Side side, std::string_view path) override {
    log.push_back(std::string(side == Side::New ? "new " : "old ") + std::string(path));
  }
};

// A reader that throws when it opens a file whose path ends in throwOn, on every thread.
class ThrowingReader : public test::ScriptedReader {
 public:
  explicit ThrowingReader(std::string throwOn) : throwOn_(std::move(throwOn)) {}
  bool openAt(const platform::DirectoryHandle& directory, const char* name) override {
    const std::string path = directory.NativePath() + name;
    if (path.size() >= throwOn_.size() && path.compare(path.size() - throwOn_.size(), throwOn_.size(), throwOn_) == 0)
      throw EQuorvane("The reader broke");
    return ScriptedReader::openAt(directory, name);
  }
  std::unique_ptr<FileReader> another() const override {
    auto r = std::make_unique<ThrowingReader>(throwOn_);
    r->shared = shared;
    return r;
  }

 private:
  std::string throwOn_;
};

// Two trees made from one seed: directories in several letter cases, hidden ones, names
// too long for 8.3, aliased extensions, FIFOs, one multi-block file, names holding "\", a
// symlink loop, and files that the readers below refuse to open ("locked") or to read
// ("broken").
struct TreePair {
  test::TempTree fresh, old;

  explicit TreePair(unsigned seed) {
    std::mt19937 rng(seed);
    const char* dirs[] = {"", "sub/", "Sub/", "sub/deep/", ".hid/", "src/", "src/gen/", "other/", "other/x/y/"};
    const char* names[] = {"a.txt", "A.txt", "readme", "README", "longer_name.text", "longer_nam.texts",
                           "pack.rar", "pack.zip", "x.bak", ".dot", "c.c", "same.txt"};
    for (const char* d : dirs)
      for (const char* n : names) {
        const std::string path = std::string(d) + n;
        const unsigned pick = rng() % 6;
        const std::string content(rng() % 40, static_cast<char>('a' + rng() % 3));
        const std::int64_t time = 1700000000 + 3600 * static_cast<std::int64_t>(rng() % 3);
        if (pick != 0) fresh.file(path, content, time);
        if (pick == 1) old.file(path, content + "x", time);
        else if (pick == 2) old.file(path, content, time + 7200);
        else if (pick != 5) old.file(path, content, time);
      }
    for (test::TempTree* t : {&fresh, &old}) {
      t->fifo("sub/pipe");
      t->file("sub/locked.txt", "l");
      t->file("other/broken.txt", "b");
      t->file("other/x/broken2.txt", "bb");
      t->file("src/big.dat", std::string(150000, 'q'));
      t->file("sub/odd\\name.txt", "o");  // names holding "\" are counted and named, never compared
      t->file("odd\\dir/inside.txt", "o");
      t->symlink("..", "sub/deep/up");      // a loop back to an ancestor
    }
    old.file("other/x/y/only-old-locked.txt", "o");
  }
};

struct RunSetup {
  std::function<void(Settings&, Comparison&)> configure = {};
  std::vector<platform::FileAction> fileActions = {};
  std::vector<platform::Answer> answers = {};
  std::function<void(Comparison&, LoggingInterface&)> onPump = {};  // may press Abort
  std::string throwOn = {};                                          // a reader that throws there
};

// Everything a run leaves, as text.
std::string runAndDescribe(const TreePair& trees, const RunSetup& setup, bool readAhead, bool timingFree) {
  OldSetPrefetch::SetEnabled(readAhead);
  Settings settings;
  settings.CloseProgressDlg = true;
  LoggingInterface ui;
  Comparison c(settings, ui);
  c.State.NewSet = {SetKind::Directory, trees.fresh.root(), ChecksumKind::Crc32};
  c.State.OldSet = {SetKind::Directory, trees.old.root(), ChecksumKind::Crc32};
  auto reader = setup.throwOn.empty() ? std::make_unique<test::ScriptedReader>()
                                      : std::make_unique<ThrowingReader>(setup.throwOn);
  reader->shared->alwaysFailing = {"locked.txt"};
  reader->shared->unreadable = {"broken.txt", "broken2.txt"};
  c.Reader = std::move(reader);
  for (platform::FileAction a : setup.fileActions) ui.scriptFileAction(a);
  for (platform::Answer a : setup.answers) ui.scriptAnswer(a);
  if (setup.configure) setup.configure(settings, c);
  std::uint64_t ticks = 0;
  c.Progress.clock = [&ticks] { return ticks += 1000; };
  if (setup.onPump) ui.onPump = [&] { setup.onPump(c, ui); };

  SetSourceReaders readers;
  const RunOutcome outcome = RunComparison(c, readers);
  OldSetPrefetch::SetEnabled(true);

  std::ostringstream out;
  out << "outcome " << static_cast<int>(outcome) << "\n";
  const RunStats& s = c.State.Stats;
  // Files still read ahead when the run is aborted count as skipped, as many as were
  // queued; and how far the listing had gone when a run stops depends on the workers too.
  const bool skippedByTiming = !timingFree && outcome != RunOutcome::Completed;
  if (skippedByTiming) c.Problems.Clear();
  out << "found " << s.FilesFound << " skipped " << (skippedByTiming ? 0 : s.FilesSkipped) << " bytes " << s.BytesRead
      << " duplicates " << s.NewDuplicates << "/" << s.OldDuplicates << " warnings-off " << s.DuplicateWarningsOff
      << " moved " << s.MovedCount << " problems " << c.Problems.Count() << "\n";
  for (std::int32_t i = 0; i < c.Files.Count(); ++i) {
    const FileEntry& e = c.Files.ItemAt(i);
    out << e.Path() << " status " << e.Status << " new " << e.NewCRC << " " << e.NewTime << " " << e.NewSize << " "
        << int(e.NewAttr) << " " << e.NewAlias << " old " << e.OldCRC << " " << e.OldTime << " " << e.OldSize << " "
        << int(e.OldAttr) << " " << e.OldAlias << "\n";
  }
  std::vector<std::string> problems = c.Problems.Lines();
  std::vector<std::string> log = ui.log;
  if (!timingFree) {
    // Files read ahead reach the list in order, but when a problem or a directory shows
    // between them depends on the workers: only the questions keep their order.
    std::sort(problems.begin(), problems.end());
    std::erase_if(log, [](const std::string& line) { return line.rfind("ask ", 0) != 0 && line.rfind("message ", 0) != 0; });
  }
  for (const std::string& p : problems) out << "problem " << p << "\n";
  for (const std::string& line : log) out << line << "\n";
  return out.str();
}

using platform::FileAction;

struct Case {
  const char* name;
  RunSetup setup;
  bool endsInNew = false;  // the run stops while the New set is read: nothing of Old is delivered
};

std::vector<Case> cases() {
  auto quick = [](Settings& s, Comparison&) { s.Quick = true; };
  return {
      {"plain, checksums", {}},
      {"quick", {quick}},
      {"masks", {[](Settings&, Comparison& c) {
         c.Masks.Include.SetMask("*.t*");
         c.Masks.Exclusions[0].SetMask("same.*");
         c.Masks.ExclusionCount = 1;
       }}},
      {"include and exclude directories", {[](Settings&, Comparison& c) {
         c.IncludeDirs.Add("src");
         c.IncludeDirs.Add("other\\x");
         c.IncludeDirs.Add("missing");
         c.ExcludeDirs.Add("src\\gen");
       }}},
      {"aliases", {[](Settings&, Comparison& c) { c.Aliases.Add("RAR", "ZIP"); }}},
      {"8.3 names", {[](Settings& s, Comparison&) { s.Strip83 = true; }}},
      {"no path, warned of duplicates",
       {[](Settings& s, Comparison&) {
          s.NoPath = true;
          s.WarnDup = true;
        },
        {},
        std::vector<platform::Answer>(300, platform::Answer::Yes)}},
      {"no path, duplicate warnings turned off in the Old set",
       {[](Settings& s, Comparison&) {
          s.NoPath = true;
          s.WarnDup = true;
        },
        {},
        [] {
          std::vector<platform::Answer> answers(100, platform::Answer::Yes);  // past the New set's duplicates
          answers.push_back(platform::Answer::No);
          return answers;
        }()}},
      {"hidden and system files, hidden directories", {[](Settings& s, Comparison&) {
         s.SpecialAttr = 0x06;
         s.HiddenDirs = true;
       }}},
      {"not recursive", {[](Settings& s, Comparison&) { s.Recurse = false; }}},
      {"retry then skip",
       {nullptr, {FileAction::Primary, FileAction::Skip, FileAction::Skip, FileAction::Primary, FileAction::Skip,
                  FileAction::Skip, FileAction::Primary, FileAction::Primary, FileAction::Skip, FileAction::Skip}}},
      {"skip all in the New set", {nullptr, {FileAction::Skip, FileAction::SkipAll}}},
      {"skip all in the Old set",
       {nullptr, {FileAction::Skip, FileAction::Skip, FileAction::Skip, FileAction::Skip, FileAction::SkipAll}}},
      {"abort in a New prompt", {nullptr, {FileAction::Skip, FileAction::Abort}}, true},
      {"abort in an Old prompt",
       {nullptr, {FileAction::Skip, FileAction::Skip, FileAction::Skip, FileAction::Skip, FileAction::Primary,
                  FileAction::Abort}}},
      {"abort while the New set is read",
       {quick, {}, {}, [](Comparison& c, LoggingInterface& ui) {
          if (c.State.Stats.FilesFound >= 10) ui.requestAbort();
        }},
       true},
      {"abort while the Old set is replayed",
       {quick, {}, {}, [](Comparison& c, LoggingInterface& ui) {
          if (c.State.Stats.FilesFound >= 90) ui.requestAbort();
        }}},
      {"a reader that throws in the Old set", {nullptr, {}, {}, nullptr, "only-old-locked.txt"}},
      {"a reader that throws in both sets", {nullptr, {}, {}, nullptr, "c.c"}, true},
  };
}

class OldSetReadAheadTest : public ::testing::TestWithParam<int> {
 protected:
  void SetUp() override { ChecksumPipeline::SetWorkerCount(GetParam()); }
  void TearDown() override { ChecksumPipeline::SetWorkerCount(-1); }
};

TEST_P(OldSetReadAheadTest, GivesWhatTheSequentialRunGives) {
  // With the files read on the spot everything must match, order included; read ahead
  // by workers, the questions keep their order and the rest matches as sets.
  const bool timingFree = GetParam() == 0;
  for (unsigned seed : {1u, 2u}) {
    const TreePair trees(seed);
    for (const Case& k : cases()) {
      // Where a run read ahead stops in the New set depends on the workers, in both runs.
      if (!timingFree && k.endsInNew) continue;
      const std::string sequential = runAndDescribe(trees, k.setup, false, timingFree);
      const std::string ahead = runAndDescribe(trees, k.setup, true, timingFree);
      EXPECT_EQ(ahead, sequential) << k.name << ", seed " << seed;
    }
  }
}

INSTANTIATE_TEST_SUITE_P(ReadOnTheSpotOrAhead, OldSetReadAheadTest, ::testing::Values(0, 2),
                         [](const ::testing::TestParamInfo<int>& info) { return std::to_string(info.param) + "Workers"; });

TEST(OldSetReadAhead, TheCasesReachWhatTheyAreAbout) {
  // The comparison above is only worth something if the runs meet prompts, duplicates,
  // aborts and the thrown error; a few landmarks of the sequential runs.
  ChecksumPipeline::SetWorkerCount(0);
  const TreePair trees(1);
  const auto has = [](const std::string& text, const std::string& part) { return text.find(part) != std::string::npos; };
  for (const Case& k : cases()) {
    const std::string run = runAndDescribe(trees, k.setup, false, true);
    const std::string name = k.name;
    EXPECT_EQ(has(run, "\nold "), !k.endsInNew) << name;  // whether the Old set's directories were shown
    if (name.rfind("abort", 0) == 0) {
      EXPECT_TRUE(has(run, "outcome 1")) << name << "\n" << run;
    }
    if (name.find("throws") != std::string::npos) {
      EXPECT_TRUE(has(run, "message The reader broke")) << name;
    }
    if (name.find("duplicate") != std::string::npos) {
      EXPECT_TRUE(has(run, "is duplicated in Old")) << name;
    }
    if (name.find("turned off") != std::string::npos) {
      EXPECT_TRUE(has(run, "notified again for duplicates ? -> 3")) << name;
    }
    if (name.find("prompt") != std::string::npos || name.find("skip") != std::string::npos) {
      EXPECT_TRUE(has(run, "ask Error")) << name;
    }
  }
  ChecksumPipeline::SetWorkerCount(-1);
}

TEST(OldSetReadAhead, ManyUnreadableDirectoriesWaitForTheReplay) {
  // More directories with an unreadable file than the stream may hold open: the worker
  // waits for the replay, and every file still comes up, in order, once.
  ChecksumPipeline::SetWorkerCount(0);
  test::TempTree fresh, old;
  for (int i = 0; i < 200; ++i) fresh.file("n" + std::to_string(i) + ".txt", "n");
  const std::size_t dirs = ScanStream::kMaxHeldDirectories + 40;
  for (std::size_t i = 0; i < dirs; ++i) old.file("d" + std::to_string(i) + "/locked.txt", "x");
  std::vector<std::string> logs[2];
  for (bool ahead : {false, true}) {
    OldSetPrefetch::SetEnabled(ahead);
    Settings settings;
    settings.CloseProgressDlg = true;
    LoggingInterface ui;
    Comparison c(settings, ui);
    c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
    c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
    auto reader = std::make_unique<test::ScriptedReader>();
    reader->shared->alwaysFailing = {"locked.txt"};
    c.Reader = std::move(reader);
    for (std::size_t i = 0; i < dirs; ++i) ui.scriptFileAction(FileAction::Skip);
    // The New set is read slowly, so the worker meets the limit long before the replay.
    std::uint64_t ticks = 0;
    c.Progress.clock = [&ticks] { return ticks += 1000; };
    ui.onPump = [] { std::this_thread::sleep_for(std::chrono::milliseconds(1)); };
    SetSourceReaders readers;
    EXPECT_EQ(RunComparison(c, readers), RunOutcome::Completed) << ahead;
    EXPECT_EQ(c.State.Stats.FilesSkipped, dirs) << ahead;
    logs[ahead] = ui.log;
  }
  EXPECT_EQ(logs[1], logs[0]);
  EXPECT_EQ(std::count_if(logs[1].begin(), logs[1].end(), [](const std::string& l) { return l.rfind("ask ", 0) == 0; }),
            static_cast<std::ptrdiff_t>(dirs));
  OldSetPrefetch::SetEnabled(true);
  ChecksumPipeline::SetWorkerCount(-1);
}

TEST(OldSetReadAhead, AbandonedAfterAFailedNewSetTheWorkerEnds) {
  // The New set cannot be read: the run fails, and the worker, possibly waiting on a
  // full stream, is stopped and joined before the run returns.
  ChecksumPipeline::SetWorkerCount(0);
  test::TempTree fresh, old;
  fresh.file("c.c", "n");
  for (std::size_t i = 0; i < ScanStream::kMaxHeldDirectories + 5; ++i) old.file("d" + std::to_string(i) + "/locked.txt", "x");
  Settings settings;
  settings.CloseProgressDlg = true;
  LoggingInterface ui;
  Comparison c(settings, ui);
  c.State.NewSet = {SetKind::Directory, fresh.root(), ChecksumKind::Crc32};
  c.State.OldSet = {SetKind::Directory, old.root(), ChecksumKind::Crc32};
  auto reader = std::make_unique<ThrowingReader>("c.c");
  reader->shared->alwaysFailing = {"locked.txt"};
  c.Reader = std::move(reader);
  SetSourceReaders readers;
  EXPECT_EQ(RunComparison(c, readers), RunOutcome::Failed);
  for (const std::string& line : ui.log) EXPECT_EQ(line.rfind("old ", 0), std::string::npos) << line;
  ChecksumPipeline::SetWorkerCount(-1);
}

TEST(ScanStreamTest, RecordsComeBackInOrderAndFilesArePacked) {
  // Names of 16 bytes in hash order, as a directory lists them, with times near each
  // other and the odd one far away: each file costs about its name and a few bytes of
  // facts, the directory part once per directory.
  for (bool checksums : {false, true}) {
    ScanStream stream(checksums);
    std::mt19937 rng(5);
    std::vector<std::string> paths;
    std::vector<ListedFile> facts;
    std::shared_ptr<const platform::DirectoryHandle> none;
    constexpr int kFiles = 20000;
    std::uint32_t time = 0x5A210000u;
    std::uint64_t longProblem = 0;
    for (int i = 0; i < kFiles; ++i) {
      if (i % 1000 == 0) stream.Directory("/root/project/dir" + std::to_string(i / 1000));
      char name[17];
      const char* extensions[] = {"png", "xml", "txt"};
      std::snprintf(name, sizeof name, "file_%07u.%s", static_cast<unsigned>(rng() % 10000000), extensions[rng() % 3]);
      paths.push_back("project\\dir" + std::to_string(i / 1000) + "\\" + name);
      const unsigned jump = rng() % 50;
      time = jump == 0 ? static_cast<std::uint32_t>(rng()) : jump < 10 ? time : time + rng() % 100000;
      facts.push_back({time, static_cast<std::uint8_t>(i % 2 ? 0x20 : 0x23), static_cast<std::uint64_t>(rng() % 400)});
      stream.File(paths.back(), facts.back(), 0xC0FFEE00u + static_cast<std::uint32_t>(i),
                  i % 997 == 7 ? 3 : facts.back().size);
      if (i == 5) stream.Problem("/root/dir0/odd", "why");
      if (i == 9) stream.Unread(WalkedFile{none, "/root/dir0/u", "dir0\\u", {1, 2, 3}, true});
      if (i == 15000) {
        const std::uint64_t before = stream.BytesWritten();
        stream.Problem(std::string(200000, 'p'), "larger than a chunk");
        longProblem = stream.BytesWritten() - before;
      }
    }
    stream.Finish();
    const double perFile = static_cast<double>(stream.BytesWritten() - longProblem) / kFiles;
    EXPECT_LE(perFile, checksums ? 23.0 : 19.0) << checksums;
    std::cout << "stream bytes per file, " << (checksums ? "with" : "without") << " checksums: " << perFile << "\n";

    ScanStream::Event e;
    std::size_t file = 0;
    std::vector<std::string> others;
    while (stream.Next(e)) {
      if (e.kind != ScanStream::Kind::File) {
        others.push_back(e.kind == ScanStream::Kind::Unread ? "unread " + e.unread.relativePath : std::string(e.text));
        continue;
      }
      ASSERT_LT(file, paths.size());
      EXPECT_EQ(e.text, paths[file]);
      EXPECT_EQ(e.facts.time, facts[file].time) << file;
      EXPECT_EQ(e.facts.size, facts[file].size);
      EXPECT_EQ(e.facts.attributes, facts[file].attributes);
      EXPECT_EQ(e.bytesRead, file % 997 == 7 ? 3u : e.facts.size);
      EXPECT_EQ(e.checksum, checksums ? 0xC0FFEE00u + static_cast<std::uint32_t>(file) : 0u);
      ++file;
    }
    EXPECT_EQ(file, paths.size());
    ASSERT_GE(others.size(), 3u);
    EXPECT_EQ(others[0], "/root/project/dir0");
    EXPECT_EQ(others[1], "/root/dir0/odd");
    EXPECT_EQ(others[2], "unread dir0\\u");
    EXPECT_EQ(others[3], "/root/project/dir1");
    EXPECT_NE(std::find(others.begin(), others.end(), std::string(200000, 'p')), others.end());
  }
}

}  // namespace
}  // namespace quorvane
