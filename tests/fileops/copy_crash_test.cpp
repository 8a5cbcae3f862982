// A copy killed at any moment leaves the destination whole: either the former file or
// the complete new one, never a mixture or a truncation.
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <random>
#include <thread>

#include "fileops/fileops_fixture.h"

namespace quorvane::test {
namespace {

using fileops::OperationCode;

// In a child process: copies new/big over old/big with every confirmation off, then ends.
[[noreturn]] void copyAndExit(const std::string& newDir, const std::string& oldDir, std::uint64_t size) {
  platform::LocalFileSystem fs;
  fileops::ScriptedUserInterface ui;
  fileops::FileOpStatusModel status;
  Settings settings;
  fileops::FileOperationEngine engine(ui, fs, status, settings);
  engine.Sets = {newDir, oldDir};
  engine.Options.cbConfirmReplace = false;
  FileList list;
  ScanRecord r;
  r.Path = "big";
  FileEntry* e = list.CreateEntry(r, Side::New);
  e->NewSize = size;
  engine.StartRun(1, 1);
  const auto outcome = engine.CopyEntry(OperationCode::CopyNewToOld, 1, *e, false);
  _exit(outcome == fileops::OutcomeCode::Ok ? 0 : 1);
}

TEST(CopyCrash, AKilledCopyLeavesTheFormerOrTheWholeNewDestination) {
  // In memory: freeing the blocks of big files on a disk mounted with discard would
  // take most of the test's time.
  TempTree tree("/dev/shm");
  tree.dir("old");
  const auto newPath = [&](const std::string& p) { return tree.path("new/" + p); };
  const auto oldPath = [&](const std::string& p) { return tree.path("old/" + p); };
  constexpr std::size_t kNewSize = 8 << 20;
  constexpr std::size_t kFormerSize = 6 << 20;
  const std::string fresh = patternBytes(kNewSize, 11);
  const std::string former = patternBytes(kFormerSize, 12);
  tree.file("new/big", fresh);
  const std::string destination = oldPath("big");

  // How long one whole copy takes, so that the kills spread over it.
  tree.file("old/big", former);
  const auto start = std::chrono::steady_clock::now();
  const pid_t timed = fork();
  ASSERT_GE(timed, 0);
  if (timed == 0) copyAndExit(tree.path("new/"), tree.path("old/"), kNewSize);
  int status = 0;
  waitpid(timed, &status, 0);
  ASSERT_TRUE(WIFEXITED(status) && WEXITSTATUS(status) == 0);
  const auto whole = std::chrono::duration_cast<std::chrono::microseconds>(std::chrono::steady_clock::now() - start);
  ASSERT_EQ(contentsOf(destination), fresh);

  std::mt19937 random(20261210);
  std::uniform_int_distribution<long> delay(0, whole.count() * 6 / 5);
  int formerSeen = 0, freshSeen = 0;
  for (int round = 0; round < 50; ++round) {
    tree.file("old/big", former);
    const pid_t child = fork();
    ASSERT_GE(child, 0);
    if (child == 0) copyAndExit(tree.path("new/"), tree.path("old/"), kNewSize);
    std::this_thread::sleep_for(std::chrono::microseconds(delay(random)));
    kill(child, SIGKILL);
    waitpid(child, &status, 0);

    const std::string now = contentsOf(destination);
    if (now == former) {
      ++formerSeen;
    } else if (now == fresh) {
      ++freshSeen;
    } else {
      FAIL() << "round " << round << ": the destination holds " << now.size() << " bytes, neither file";
    }
    // A killed copy may leave its staged file beside the destination; the destination
    // itself is whole. Clear it for the next round.
    for (const std::string& staged : stagedFilesUnder(tree.path("old"))) unlink(staged.c_str());
    EXPECT_EQ(contentsOf(newPath("big")).size(), kNewSize);
  }
  std::printf("kills: %d left the former file, %d the new one (a whole copy: %ld us)\n", formerSeen, freshSeen, static_cast<long>(whole.count()));
  RecordProperty("former", formerSeen);
  RecordProperty("fresh", freshSeen);
  EXPECT_GT(formerSeen + freshSeen, 0);
}

}  // namespace
}  // namespace quorvane::test
