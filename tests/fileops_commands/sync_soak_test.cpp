// Synchronization of two generated trees (inserted, deleted, newer, older, same time with
// other bytes, newer with the same bytes, read-only files, new nested directories) for
// every preset and some custom choices: a simulation first, which must leave every byte
// and time as it was, then the run. The disk, the log (one line per operation, its word)
// and a second comparison must show exactly the effect each kind of entry is to get.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>

#include "program/file_commands_fixture.h"

namespace quorvane {
namespace {

using platform::DialogChoice;
using B = SyncBox;

constexpr std::int64_t kT0 = 1700000000;

std::size_t soakFiles() {
  if (const char* text = std::getenv("QUORVANE_SYNC_SOAK_FILES")) {
    const long n = std::strtol(text, nullptr, 10);
    if (n > 0) return static_cast<std::size_t>(n);
  }
  return 2000;
}

// What a run is to do with each kind of entry.
enum class Effect { None, ToOld, ToNew, DelNew, DelOld, MoveToOld, MoveToNew };
enum class Kind { Inserted, Deleted, NewerDiffers, OlderDiffers, Other };

struct Effects {
  Effect inserted, deleted, newer, older, other;
  Effect of(Kind k) const {
    switch (k) {
      case Kind::Inserted: return inserted;
      case Kind::Deleted: return deleted;
      case Kind::NewerDiffers: return newer;
      case Kind::OlderDiffers: return older;
      case Kind::Other: return other;
    }
    return Effect::None;
  }
};

struct SoakCase {
  const char* name;
  bool preset;
  SyncPreset which;
  std::vector<B> boxes;
  Effects expected;
};

struct Side {
  std::optional<test::FileFacts> newFile, oldFile;
};

std::string bytesFor(std::size_t i, char side, int version) {
  std::string s = "entry " + std::to_string(i) + " side " + side + " v" + std::to_string(version) + "\n";
  const std::size_t extra = i % 500 == 7 ? 100000 : (i * 37) % 300;
  s.append(extra, static_cast<char>('a' + i % 26));
  return s;
}

// Lays the trees out; returns each relative path's kind and first state.
std::map<std::string, Kind> makeTrees(test::TempTree& t, std::size_t count) {
  std::map<std::string, Kind> kinds;
  for (std::size_t i = 0; i < count; ++i) {
    const std::string dir = "d" + std::to_string(i % 50) + "/";
    const std::string name = dir + "f" + std::to_string(i) + ".txt";
    const bool readOnly = i % 20 == 6 || i % 20 == 11;
    switch (i % 10) {
      case 0:
        t.file("new/" + name, bytesFor(i, 'n', 0), kT0);
        t.file("old/" + name, bytesFor(i, 'n', 0), kT0);
        kinds[name] = Kind::Other;
        break;
      case 1:
        t.file("new/" + name, bytesFor(i, 'n', 0), kT0);
        if (readOnly) t.chmod("new/" + name, 0444);
        kinds[name] = Kind::Inserted;
        break;
      case 2:
        t.file("old/" + name, bytesFor(i, 'o', 0), kT0);
        kinds[name] = Kind::Deleted;
        break;
      case 3:
      case 6:
        t.file("new/" + name, bytesFor(i, 'n', 1), kT0 + 200);
        t.file("old/" + name, bytesFor(i, 'o', 0), kT0);
        if (readOnly) t.chmod("new/" + name, 0444), t.chmod("old/" + name, 0444);
        kinds[name] = Kind::NewerDiffers;
        break;
      case 4:
        t.file("new/" + name, bytesFor(i, 'n', 0), kT0);
        t.file("old/" + name, bytesFor(i, 'o', 1), kT0 + 400);
        if (readOnly) t.chmod("old/" + name, 0444);
        kinds[name] = Kind::OlderDiffers;
        break;
      case 5: {
        std::string other = bytesFor(i, 'n', 0);
        other[0] = 'E';  // same size and time, other bytes
        t.file("new/" + name, other, kT0);
        t.file("old/" + name, bytesFor(i, 'n', 0), kT0);
        kinds[name] = Kind::Other;
        break;
      }
      case 7: {
        const std::string nested = "fresh" + std::to_string(i) + "/a/b/f.txt";
        t.file("new/" + nested, bytesFor(i, 'n', 0), kT0);
        kinds[nested] = Kind::Inserted;
        break;
      }
      case 8: {
        const std::string nested = "lost" + std::to_string(i) + "/x/f.txt";
        t.file("old/" + nested, bytesFor(i, 'o', 0), kT0);
        kinds[nested] = Kind::Deleted;
        break;
      }
      case 9:
        t.file("new/" + name, bytesFor(i, 'n', 0), kT0 + 600);  // touched: newer, same bytes
        t.file("old/" + name, bytesFor(i, 'n', 0), kT0);
        kinds[name] = Kind::Other;
        break;
    }
  }
  return kinds;
}

std::optional<test::FileFacts> find(const test::Manifest& m, const std::string& path) {
  const auto it = m.find(path);
  if (it == m.end()) return std::nullopt;
  return it->second;
}

std::string displayPath(std::string p) {
  std::replace(p.begin(), p.end(), '/', '\\');
  return p;
}

// The log's file lines without their word, and their words.
void fileLines(const std::vector<std::string>& lines, std::vector<std::string>& ops, std::set<std::string>& words) {
  for (const std::string& line : lines) {
    if (!(line.starts_with("COPY ") || line.starts_with("MOVE ") || line.starts_with("DEL  "))) continue;
    const std::size_t dots = line.rfind(" ... ");
    ops.push_back(line.substr(0, dots));
    words.insert(line.substr(dots + 5));
  }
  std::sort(ops.begin(), ops.end());
}

TEST(SyncSoak, EveryPresetAndCustomChoiceDoesWhatItsTableSays) {
  using E = Effect;
  const std::vector<SoakCase> cases = {
      {"New is master", true, SyncPreset::NewIsMaster, {}, {E::ToOld, E::DelOld, E::ToOld, E::None, E::None}},
      {"No master", true, SyncPreset::NoMaster, {}, {E::ToOld, E::ToNew, E::ToOld, E::ToNew, E::None}},
      {"Old is master", true, SyncPreset::OldIsMaster, {}, {E::DelNew, E::ToNew, E::None, E::ToNew, E::None}},
      {"inserted and deleted moved", false, {}, {B::cbInsOld, B::cbInsNew, B::cbDelNew, B::cbDelOld},
       {E::MoveToOld, E::MoveToNew, E::None, E::None, E::None}},
      {"matching moved to Old", false, {}, {B::cbMatchOld, B::cbMatchOldDelNew},
       {E::None, E::None, E::MoveToOld, E::DelNew, E::DelNew}},
      {"New updated by force", false, {}, {B::cbMatchNew, B::cbMatchForce},
       {E::None, E::None, E::ToNew, E::ToNew, E::ToNew}},
  };
  const std::size_t count = soakFiles();
  for (const SoakCase& c : cases) {
    SCOPED_TRACE(c.name);
    test::FileCommandsFixture f("/dev/shm");
    const std::map<std::string, Kind> kinds = makeTrees(*f.t, count);
    f.compare();
    ASSERT_EQ(f.rows(), static_cast<std::int32_t>(kinds.size()));
    const std::string newRoot = f.t->path("new/");
    const std::string oldRoot = f.t->path("old/");
    const test::Manifest newBefore = test::manifestOf(newRoot);
    const test::Manifest oldBefore = test::manifestOf(oldRoot);
    std::map<std::string, std::uint16_t> statusBefore;
    for (const FileEntry* e : f.program.comparison.Display.Items()) statusBefore[std::string(e->Path())] = e->Status;

    // What each path holds afterwards, and the log lines that say so.
    std::map<std::string, Side> expected;
    std::vector<std::string> expectedOps;
    for (const auto& [path, kind] : kinds) {
      Side s{find(newBefore, path), find(oldBefore, path)};
      switch (c.expected.of(kind)) {
        case E::None: break;
        case E::ToOld: s.oldFile = s.newFile, expectedOps.push_back("COPY " + newRoot + path + " >> " + oldRoot); break;
        case E::ToNew: s.newFile = s.oldFile, expectedOps.push_back("COPY " + oldRoot + path + " >> " + newRoot); break;
        case E::DelNew: s.newFile.reset(), expectedOps.push_back("DEL  " + newRoot + path); break;
        case E::DelOld: s.oldFile.reset(), expectedOps.push_back("DEL  " + oldRoot + path); break;
        case E::MoveToOld:
          s.oldFile = s.newFile, s.newFile.reset();
          expectedOps.push_back("MOVE " + newRoot + path + " >> " + oldRoot);
          break;
        case E::MoveToNew:
          s.newFile = s.oldFile, s.oldFile.reset();
          expectedOps.push_back("MOVE " + oldRoot + path + " >> " + newRoot);
          break;
      }
      expected[path] = s;
    }
    std::sort(expectedOps.begin(), expectedOps.end());

    const std::string log = f.t->path("sync.log");
    auto choose = [&](SyncDialogModel& m) {
      if (c.preset) m.ApplyPreset(c.which);
      for (B box : c.boxes) m.SetBox(box, true);
      m.rbAll = true;
      m.Options.cbConfirmDelete = false;
      m.Options.cbConfirmReplace = false;
      m.Options.cbIgnoreReadOnly = true;
      m.Options.cbLog = true;
      m.Options.cbClearLog = true;
      m.Options.edLogFile = log;
    };
    f.ui.scriptSyncDialog([&](SyncDialogModel& m) {
      choose(m);
      return DialogChoice::Simulate;
    });
    f.ui.scriptSyncDialog([&](SyncDialogModel&) {
      // The simulation changed no byte, time or mode, and logged every operation.
      EXPECT_TRUE(test::manifestOf(newRoot) == newBefore);
      EXPECT_TRUE(test::manifestOf(oldRoot) == oldBefore);
      std::vector<std::string> ops;
      std::set<std::string> words;
      fileLines(test::linesOf(log), ops, words);
      EXPECT_TRUE(ops == expectedOps) << ops.size() << " lines for " << expectedOps.size() << " operations";
      if (!expectedOps.empty()) {
        EXPECT_EQ(words, std::set<std::string>{"OK (simulation)"});
      }
      // More than half the rows deleted: the window asks once before the run, and OK goes on.
      std::int64_t deletions = 0;
      for (const std::string& op : expectedOps) deletions += op.rfind("DEL ", 0) == 0 || op.rfind("MOVE ", 0) == 0;
      if (IsMassDeletion(deletions, f.rows())) f.ui.scriptAnswer(platform::Answer::Ok);
      return DialogChoice::Run;
    });
    Synchronize(*f.commands, f.allNewColumns());
    ASSERT_EQ(f.ui.syncDialogShows(), 2);

    std::vector<std::string> ops;
    std::set<std::string> words;
    fileLines(test::linesOf(log), ops, words);
    EXPECT_TRUE(ops == expectedOps) << ops.size() << " lines for " << expectedOps.size() << " operations";
    ASSERT_FALSE(expectedOps.empty());
    EXPECT_EQ(words, std::set<std::string>{"OK"});

    // The disk: bytes and times of every file (copies carry their source's time).
    const test::Manifest newAfter = test::manifestOf(newRoot);
    const test::Manifest oldAfter = test::manifestOf(oldRoot);
    std::size_t wrong = 0;
    for (const auto& [path, s] : expected) {
      const auto n = find(newAfter, path);
      const auto o = find(oldAfter, path);
      const bool same = n.has_value() == s.newFile.has_value() && o.has_value() == s.oldFile.has_value() &&
                        (!n || (n->bytes == s.newFile->bytes && n->mtime == s.newFile->mtime)) &&
                        (!o || (o->bytes == s.oldFile->bytes && o->mtime == s.oldFile->mtime));
      if (!same && ++wrong <= 5) ADD_FAILURE() << path << " is not as expected on disk";
    }
    EXPECT_EQ(wrong, 0u);
    EXPECT_EQ(newAfter.size() + oldAfter.size(), [&] {
      std::size_t n = 0;
      for (const auto& [path, s] : expected) n += s.newFile.has_value() + s.oldFile.has_value();
      return n;
    }()) << "no other file appeared";

    // The second comparison.
    f.compareAgain();
    std::map<std::string, std::uint16_t> statusAfter;
    for (const FileEntry* e : f.program.comparison.Display.Items()) statusAfter[std::string(e->Path())] = e->Status;
    wrong = 0;
    for (const auto& [path, s] : expected) {
      const std::string shown = displayPath(path);
      const auto it = statusAfter.find(shown);
      std::string problem;
      if (!s.newFile && !s.oldFile) {
        if (it != statusAfter.end()) problem = "still listed";
      } else if (it == statusAfter.end()) {
        problem = "not listed";
      } else if (!s.oldFile) {
        if ((it->second & stInserted) == 0) problem = "not Inserted";
      } else if (!s.newFile) {
        if ((it->second & stDeleted) == 0) problem = "not Deleted";
      } else if (s.newFile->bytes == s.oldFile->bytes && s.newFile->mtime == s.oldFile->mtime) {
        if ((it->second & stIdentical) == 0) problem = "not Identical";
      } else if (it->second != statusBefore.at(shown)) {
        problem = "status changed though neither file was touched";
      }
      if (!problem.empty() && ++wrong <= 5) ADD_FAILURE() << path << ": " << problem;
    }
    EXPECT_EQ(wrong, 0u);
  }
}

}  // namespace
}  // namespace quorvane
