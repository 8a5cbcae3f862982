// The real file system of the file operations: facts of the Linux forms, staged copies
// that reach the destination only by commit, writes that are all or nothing, logs.
#include "platform/local_file_system.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "platform/file_replace.h"
#include "support/temp_tree.h"

namespace quorvane::test {
namespace {

using platform::LocalFileSystem;
using platform::PathKind;

std::string readAll(const std::string& path) {
  std::string s;
  return platform::readWholeFile(path, s) ? s : "<missing>";
}

std::vector<std::string> namesIn(const std::string& dir) {
  std::vector<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(dir)) names.push_back(e.path().filename().string());
  std::sort(names.begin(), names.end());
  return names;
}

TEST(LocalFileSystem, FactsOfTheLinuxForms) {
  TempTree t;
  t.file("plain", "abc", 1'600'000'000);
  t.file(".hidden", "h");
  t.file("ro", "r");
  t.chmod("ro", 0444);
  t.symlink(t.path("plain"), "link");
  t.symlink(t.path("nowhere"), "dangling");
  t.fifo("pipe");
  t.dir("sub");
  LocalFileSystem fs;
  const auto plain = fs.facts(t.path("plain"));
  EXPECT_EQ(plain.kind, PathKind::Regular);
  EXPECT_EQ(plain.size, 3u);
  EXPECT_EQ(plain.modified.seconds, 1'600'000'000);
  EXPECT_FALSE(plain.hidden);
  EXPECT_FALSE(plain.readOnly);
  EXPECT_TRUE(fs.facts(t.path(".hidden")).hidden);
  EXPECT_TRUE(fs.facts(t.path("ro")).readOnly);
  const auto link = fs.facts(t.path("link"));
  EXPECT_EQ(link.kind, PathKind::Regular);
  EXPECT_TRUE(link.symlink);
  EXPECT_EQ(fs.facts(t.path("dangling")).kind, PathKind::Special);
  EXPECT_TRUE(fs.facts(t.path("dangling")).exists());
  EXPECT_EQ(fs.facts(t.path("pipe")).kind, PathKind::Special);
  EXPECT_EQ(fs.facts(t.path("sub")).kind, PathKind::Directory);
  EXPECT_FALSE(fs.facts(t.path("missing")).exists());
  EXPECT_EQ(fs.facts(t.path("missing")).error, ENOENT);
}

TEST(LocalFileSystem, AStagedCopyReachesTheDestinationOnlyByCommit) {
  TempTree t;
  t.file("dest", "former");
  LocalFileSystem fs;
  int error = 0;
  auto staged = fs.stageReplacement(t.path("dest"), &error);
  ASSERT_TRUE(staged) << error;
  EXPECT_TRUE(platform::isStagedFileName(std::filesystem::path(staged->temporaryPath()).filename().string()));
  EXPECT_NE(staged->temporaryPath().find('\\'), std::string::npos) << "no listed name holds a backslash";
  ASSERT_TRUE(staged->write("new bytes", 9, &error));
  EXPECT_EQ(readAll(t.path("dest")), "former");
  ASSERT_TRUE(staged->commit({1'500'000'000, 0}, 0440, &error));
  EXPECT_EQ(readAll(t.path("dest")), "new bytes");
  struct stat st {};
  ASSERT_EQ(stat(t.path("dest").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u) << "the owner's write bit is added";
  EXPECT_EQ(st.st_mtim.tv_sec, 1'500'000'000);
  staged.reset();
  EXPECT_EQ(namesIn(t.root()), std::vector<std::string>{"dest"});
}

TEST(LocalFileSystem, AnUncommittedCopyIsRemoved) {
  TempTree t;
  t.file("dest", "former");
  LocalFileSystem fs;
  int error = 0;
  {
    auto staged = fs.stageReplacement(t.path("dest"), &error);
    ASSERT_TRUE(staged);
    ASSERT_TRUE(staged->write("partial", 7, &error));
  }
  auto discarded = fs.stageReplacement(t.path("dest"), &error);
  ASSERT_TRUE(discarded);
  discarded->discard();
  EXPECT_EQ(namesIn(t.root()), std::vector<std::string>{"dest"});
  EXPECT_EQ(readAll(t.path("dest")), "former");
}

TEST(LocalFileSystem, TheKernelCopyMovesWholeChunksAndStopsAtTheEnd) {
  TempTree t;
  std::string bytes(200'000, '\0');
  for (std::size_t i = 0; i < bytes.size(); ++i) bytes[i] = static_cast<char>(i * 7);
  t.file("src", bytes);
  LocalFileSystem fs;
  int error = 0;
  auto source = fs.openSource(t.path("src"), &error);
  auto staged = fs.stageReplacement(t.path("dst"), &error);
  ASSERT_TRUE(source && staged);
  std::vector<std::int64_t> counts;
  for (;;) {
    const std::int64_t n = staged->copyFrom(*source, 65535);
    ASSERT_GE(n, 0);
    counts.push_back(n);
    if (n != 65535) break;
  }
  EXPECT_EQ(counts, (std::vector<std::int64_t>{65535, 65535, 65535, 3395}));
  // The buffer path goes on from the same place.
  char tail[10];
  EXPECT_EQ(source->read(tail, sizeof tail, &error), 0);
  ASSERT_TRUE(staged->commit(source->modified(), source->mode(), &error));
  EXPECT_EQ(readAll(t.path("dst")), bytes);
}

TEST(LocalFileSystem, AWriteThatFailsPartWayLeavesTheFileAsBeforeTheCall) {
  // A file size limit makes the system take part of a write and refuse the rest, as a
  // disk that fills does.
  TempTree t;
  const pid_t child = fork();
  ASSERT_GE(child, 0);
  if (child == 0) {
    signal(SIGXFSZ, SIG_IGN);
    LocalFileSystem fs;
    int error = 0;
    auto staged = fs.stageReplacement(t.path("dst"), &error);
    if (!staged) _exit(10);
    const std::string chunk(40'000, 'x');
    if (!staged->write(chunk.data(), chunk.size(), &error)) _exit(11);
    struct rlimit limit {60'000, 60'000};
    setrlimit(RLIMIT_FSIZE, &limit);
    if (staged->write(chunk.data(), chunk.size(), &error)) _exit(12);
    if (error != EFBIG) _exit(13);
    struct stat st {};
    if (stat(staged->temporaryPath().c_str(), &st) != 0 || st.st_size != 40'000) _exit(14);
    // After the failure the same bytes can be written again once there is room.
    const std::string small(10'000, 'y');
    if (!staged->write(small.data(), small.size(), &error)) _exit(15);
    if (!staged->commit({0, 0}, 0644, &error)) _exit(16);
    _exit(0);
  }
  int status = 0;
  waitpid(child, &status, 0);
  ASSERT_TRUE(WIFEXITED(status));
  EXPECT_EQ(WEXITSTATUS(status), 0);
  EXPECT_EQ(readAll(t.path("dst")), std::string(40'000, 'x') + std::string(10'000, 'y'));
}

TEST(LocalFileSystem, SourcesAreRegularFilesOnly) {
  TempTree t;
  t.fifo("pipe");
  t.dir("sub");
  LocalFileSystem fs;
  int error = 0;
  EXPECT_FALSE(fs.openSource(t.path("pipe"), &error));
  EXPECT_EQ(error, EINVAL);
  EXPECT_FALSE(fs.openSource(t.path("sub"), &error));
  EXPECT_EQ(error, EISDIR);
  EXPECT_FALSE(fs.openSource(t.path("missing"), &error));
  EXPECT_EQ(error, ENOENT);
}

TEST(LocalFileSystem, DirectoriesWithParentsAndWritableFiles) {
  TempTree t;
  t.file("file", "f");
  t.chmod("file", 0444);
  t.file("target", "t");
  t.chmod("target", 0444);
  t.symlink(t.path("target"), "link");
  LocalFileSystem fs;
  EXPECT_EQ(fs.makeDirectories(t.path("a/b/c")), 0);
  EXPECT_EQ(fs.facts(t.path("a/b/c")).kind, PathKind::Directory);
  EXPECT_EQ(fs.makeDirectories(t.path("a/b/c")), 0);
  EXPECT_EQ(fs.makeDirectories(t.path("file/x")), ENOTDIR);
  EXPECT_EQ(fs.makeWritable(t.path("file")), 0);
  EXPECT_FALSE(fs.facts(t.path("file")).readOnly);
  EXPECT_EQ(fs.makeWritable(t.path("link")), 0);
  EXPECT_TRUE(fs.facts(t.path("target")).readOnly) << "a link's target is left alone";
}

TEST(LocalFileSystem, LogsAppendOrStartAfresh) {
  TempTree t;
  LocalFileSystem fs;
  int error = 0;
  for (const bool truncate : {true, false, false}) {
    auto log = fs.openLog(t.path("x.log"), truncate, &error);
    ASSERT_TRUE(log);
    ASSERT_TRUE(log->write("line\r\n"));
    ASSERT_TRUE(log->close());
  }
  EXPECT_EQ(readAll(t.path("x.log")), "line\r\nline\r\nline\r\n");
  EXPECT_FALSE(fs.openLog(t.path("no/such/dir/x.log"), true, &error));
  EXPECT_EQ(error, ENOENT);
}

}  // namespace
}  // namespace quorvane::test
