// The synchronization from a script: -A --Sync:<preset> NEW OLD, simulated first (nothing
// changes), then for real, then compared again; the log, the exit codes, the answers a
// script gets, the trash and the guards that refuse a run before any file is touched.
#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>
#include <fstream>
#include <map>
#include <sstream>
#include <string>
#include <vector>

#include "app/run_program.h"
#include "support/temp_tree.h"

namespace quorvane {
namespace {

using Manifest = std::map<std::string, std::string>;  // path -> bytes and time
constexpr std::int64_t T = 1709294400;                // 2024-03-01 12:00:00 UTC

Manifest manifestOf(const std::string& root) {
  Manifest m;
  if (!std::filesystem::exists(root)) return m;
  for (const auto& item : std::filesystem::recursive_directory_iterator(root)) {
    if (!item.is_regular_file()) continue;
    struct stat st {};
    ::stat(item.path().c_str(), &st);
    std::stringstream bytes;
    bytes << std::ifstream(item.path(), std::ios::binary).rdbuf();
    m[std::filesystem::relative(item.path(), root).generic_string()] = bytes.str() + " @" + std::to_string(st.st_mtime);
  }
  return m;
}

std::string bytesOf(const std::string& path) {
  if (!std::filesystem::is_regular_file(path)) return "<missing>";
  std::stringstream bytes;
  bytes << std::ifstream(path, std::ios::binary).rdbuf();
  return bytes.str();
}

class SyncScriptTest : public ::testing::Test {
 protected:
  struct Run {
    int exitCode = -1;
    std::string out;
    std::string err;
  };

  // The program in the tree, its trash under the tree (never the user's).
  Run run(const std::vector<std::string>& args) {
    const std::string prefix = "QT_QPA_PLATFORM=offscreen XDG_DATA_HOME=" + test::shellQuote(t.path("data")) + " ";
    const test::ProgramResult r =
        test::runShell(test::programCommand(t.root(), args, prefix) + " 2>" + test::shellQuote(t.path("err.txt")));
    return {r.exitCode, r.out, bytesOf(t.path("err.txt"))};
  }

  // One file of each kind: identical, New newer, Old newer, New only, Old only.
  void trees() {
    t.file("new/same.txt", "same", T);
    t.file("old/same.txt", "same", T);
    t.file("new/newer.txt", "new newer", T + 3600);
    t.file("old/newer.txt", "old", T);
    t.file("new/older.txt", "new", T);
    t.file("old/older.txt", "old older", T + 3600);
    t.file("new/sub/added.txt", "added", T);
    t.file("old/gone/gone.txt", "gone", T);
  }

  std::string newFile(const std::string& name) { return bytesOf(t.path("new/" + name)); }
  std::string oldFile(const std::string& name) { return bytesOf(t.path("old/" + name)); }
  std::vector<std::string> trashed() {
    std::vector<std::string> names;
    const std::string files = t.path("data/Trash/files");
    if (std::filesystem::exists(files))
      for (const auto& e : std::filesystem::directory_iterator(files)) names.push_back(bytesOf(e.path().string()));
    std::sort(names.begin(), names.end());
    return names;
  }

  test::TempTree t;
};

struct PresetCase {
  const char* preset;
  std::map<std::string, std::pair<std::string, std::string>> after;  // file -> New's, Old's bytes
  int compareAgain;                                                  // exit code of the new comparison
  std::vector<std::string> trash;                                    // what the run put in the trash
  int operations;                                                    // log lines of files
};

TEST_F(SyncScriptTest, EachPresetSimulatedThenRunThenComparedAgain) {
  const std::vector<PresetCase> cases = {
      {"NewMaster",
       {{"same.txt", {"same", "same"}}, {"newer.txt", {"new newer", "new newer"}}, {"older.txt", {"new", "old older"}},
        {"sub/added.txt", {"added", "added"}}, {"gone/gone.txt", {"<missing>", "<missing>"}}},
       2, {"gone", "old"}, 3},
      {"NoMaster",
       {{"same.txt", {"same", "same"}}, {"newer.txt", {"new newer", "new newer"}},
        {"older.txt", {"old older", "old older"}}, {"sub/added.txt", {"added", "added"}},
        {"gone/gone.txt", {"gone", "gone"}}},
       0, {"new", "old"}, 4},
      {"OldMaster",
       {{"same.txt", {"same", "same"}}, {"newer.txt", {"new newer", "old"}}, {"older.txt", {"old older", "old older"}},
        {"sub/added.txt", {"<missing>", "<missing>"}}, {"gone/gone.txt", {"gone", "gone"}}},
       2, {"added", "new"}, 3},
  };
  for (const PresetCase& c : cases) {
    SCOPED_TRACE(c.preset);
    std::filesystem::remove_all(t.path("new"));
    std::filesystem::remove_all(t.path("old"));
    std::filesystem::remove_all(t.path("data"));
    trees();
    const Manifest newBefore = manifestOf(t.path("new"));
    const Manifest oldBefore = manifestOf(t.path("old"));
    const std::string sync = std::string("--Sync:") + c.preset;

    // The simulation: the log on standard output, nothing changed on disk.
    const Run simulated = run({"-A", sync, "new", "old", "--Simulate"});
    EXPECT_EQ(simulated.exitCode, 0) << simulated.err;
    EXPECT_NE(simulated.out.find("Synchronization started "), std::string::npos) << simulated.out;
    int simulatedLines = 0;
    for (std::size_t at = 0; (at = simulated.out.find(" ... OK (simulation)\r\n", at)) != std::string::npos; ++at)
      ++simulatedLines;
    EXPECT_EQ(simulatedLines, c.operations) << simulated.out;
    EXPECT_EQ(manifestOf(t.path("new")), newBefore);
    EXPECT_EQ(manifestOf(t.path("old")), oldBefore);
    EXPECT_TRUE(trashed().empty());

    // The run, its log in the file, the report of the comparison before it.
    const Run done = run({"-A", sync, "new", "old", "--Log:sync.log", "-O:before.txt"});
    EXPECT_EQ(done.exitCode, 0) << done.err;
    EXPECT_EQ(done.out, "");
    const std::string log = bytesOf(t.path("sync.log"));
    int okLines = 0;
    for (std::size_t at = 0; (at = log.find(" ... OK\r\n", at)) != std::string::npos; ++at) ++okLines;
    EXPECT_EQ(okLines, c.operations) << log;
    EXPECT_NE(log.find("Synchronization finished "), std::string::npos);
    EXPECT_NE(bytesOf(t.path("before.txt")).find("[Quorvane DIFF file]"), std::string::npos);
    for (const auto& [file, sides] : c.after) {
      EXPECT_EQ(newFile(file), sides.first) << file;
      EXPECT_EQ(oldFile(file), sides.second) << file;
    }
    // Whatever was deleted or replaced is in the trash.
    EXPECT_EQ(trashed(), c.trash);

    const Run again = run({"-A", "new", "old", "-O:after.txt"});
    EXPECT_EQ(again.exitCode, c.compareAgain) << bytesOf(t.path("after.txt"));
  }
}

TEST_F(SyncScriptTest, ASkippedReadOnlyFileGivesOneUnlessOverwritten) {
  trees();
  t.chmod("old/newer.txt", 0444);
  const Run skipped = run({"-A", "--Sync:NewMaster", "new", "old"});
  EXPECT_EQ(skipped.exitCode, 1);
  EXPECT_NE(skipped.out.find("COPY " + t.path("new/newer.txt") + " >> " + t.path("old/") + " ... SKIPPED\r\n"),
            std::string::npos)
      << skipped.out;
  EXPECT_NE(skipped.err.find("Files not synchronized: 1"), std::string::npos) << skipped.err;
  EXPECT_EQ(oldFile("newer.txt"), "old");
  EXPECT_EQ(oldFile("sub/added.txt"), "added");  // the other files were synchronized

  const Run overwritten = run({"-A", "--Sync:NewMaster", "new", "old", "--OverwriteReadOnly"});
  EXPECT_EQ(overwritten.exitCode, 0) << overwritten.err;
  EXPECT_EQ(oldFile("newer.txt"), "new newer");
}

TEST_F(SyncScriptTest, GuardsRefuseBeforeAnyFileIsTouched) {
  struct Case {
    const char* name;
    std::vector<std::string> args;
    std::string message;
  };
  trees();
  t.dir("empty");
  ASSERT_EQ(run({"-A", "-L", "new", "-O:new.snp"}).exitCode, 0);
  const std::vector<Case> cases = {
      {"empty Old root", {"-A", "--Sync:NewMaster", "new", "empty"},
       "The OLD set directory is empty or missing: " + t.path("empty/") +
           ". Synchronizing now would copy or delete every file. Check that the drive is mounted, then compare again."},
      {"empty New root", {"-A", "--Sync:OldMaster", "empty", "old"}, "The NEW set directory is empty or missing: "},
      {"deletions above the limit", {"-A", "--Sync:NewMaster", "new", "old", "--MaxDelete:0"},
       "The synchronization would delete 1 files, more than --MaxDelete:0 allows"},
      {"deletions above the limit, simulated", {"-A", "--Sync:OldMaster", "new", "old", "--MaxDelete:0", "--Simulate"},
       "would delete 1 files"},
      {"missing Old root", {"-A", "--Sync:NewMaster", "new", "unmounted"}, "unmounted/"},
      {"a set that is no directory", {"-A", "--Sync:NewMaster", "new.snp", "old"},
       "--Sync: the NEW set is not a directory"},
  };
  const Manifest newBefore = manifestOf(t.path("new"));
  const Manifest oldBefore = manifestOf(t.path("old"));
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const Run r = run(c.args);
    EXPECT_EQ(r.exitCode, 1);
    EXPECT_NE(r.err.find(c.message), std::string::npos) << r.err;
    EXPECT_EQ(manifestOf(t.path("new")), newBefore);
    EXPECT_EQ(manifestOf(t.path("old")), oldBefore);
    EXPECT_TRUE(manifestOf(t.path("empty")).empty());
    EXPECT_FALSE(std::filesystem::exists(t.path("unmounted")));
    EXPECT_TRUE(trashed().empty());
  }
  // A first copy into an empty directory is asked for with --AllowEmpty; the limit met
  // exactly is no refusal.
  EXPECT_EQ(run({"-A", "--Sync:NewMaster", "new", "empty", "--AllowEmpty", "--Log:a.log"}).exitCode, 0);
  EXPECT_EQ(bytesOf(t.path("empty/sub/added.txt")), "added");
  EXPECT_EQ(run({"-A", "--Sync:NewMaster", "new", "old", "--MaxDelete:1", "--Log:b.log"}).exitCode, 0);
  EXPECT_EQ(oldFile("gone/gone.txt"), "<missing>");
}

TEST_F(SyncScriptTest, AFileNoTrashCanTakeIsSkippedAndCountedUnlessTrashIsOff) {
  trees();
  t.file("data", "a file where the trash's parent directory would be");
  const Run kept = run({"-A", "--Sync:NewMaster", "new", "old", "--Log:s.log"});
  EXPECT_EQ(kept.exitCode, 1);
  EXPECT_NE(kept.err.find("Cannot move to the trash : "), std::string::npos) << kept.err;
  EXPECT_EQ(oldFile("gone/gone.txt"), "gone");
  EXPECT_EQ(oldFile("newer.txt"), "old");            // a replacement needs the trash too
  EXPECT_EQ(oldFile("sub/added.txt"), "added");      // a new file does not
  EXPECT_NE(bytesOf(t.path("s.log")).find("DEL  " + t.path("old/gone/gone.txt") + " ... SKIPPED"), std::string::npos);

  EXPECT_EQ(run({"-A", "--Sync:NewMaster", "new", "old", "--Trash-", "--Log:s.log"}).exitCode, 0);
  EXPECT_EQ(oldFile("gone/gone.txt"), "<missing>");
  EXPECT_EQ(oldFile("newer.txt"), "new newer");
}

TEST_F(SyncScriptTest, TrashOffDeletesForGoodAndBadSwitchesAreRefused) {
  trees();
  EXPECT_EQ(run({"-A", "--Sync:NewMaster", "new", "old", "--Trash-", "--Log:s.log"}).exitCode, 0);
  EXPECT_EQ(oldFile("gone/gone.txt"), "<missing>");
  EXPECT_TRUE(trashed().empty());

  const Run bad = run({"-A", "--Sync:Sideways", "new", "old"});
  EXPECT_EQ(bad.exitCode, 1);
  EXPECT_NE(bad.err.find("--Sync: must be followed by NewMaster, NoMaster or OldMaster"), std::string::npos) << bad.err;
  const Run count = run({"-A", "--Sync:NewMaster", "new", "old", "--MaxDelete:many"});
  EXPECT_EQ(count.exitCode, 1);
  EXPECT_NE(count.err.find("--MaxDelete: must be followed by a number"), std::string::npos) << count.err;

  const Run help = run({"--help"});
  for (const char* name : {"--Sync:NewMaster|NoMaster|OldMaster", "--Simulate", "--Log:<file>", "--OverwriteReadOnly",
                           "--MaxDelete:<n>", "--AllowEmpty", "--Trash-"})
    EXPECT_NE(help.out.find(name), std::string::npos) << name;
}

}  // namespace
}  // namespace quorvane
