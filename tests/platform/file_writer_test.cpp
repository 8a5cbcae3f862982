// The file writer never costs the user the file that was there: a replaced file appears
// whole or not at all, an appended file is cut back when a write fails.
#include "platform/file_writer.h"

#include <fcntl.h>
#include <gtest/gtest.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

#include <csignal>
#include <cstring>
#include <filesystem>
#include <set>
#include <string>
#include <thread>

#include "platform/file_replace.h"
#include "support/temp_tree.h"

namespace quorvane::platform {
namespace {

std::string contentsOf(const std::string& path) {
  std::string text;
  EXPECT_TRUE(readWholeFile(path, text)) << path;
  return text;
}

std::set<std::string> namesIn(const std::string& directory) {
  std::set<std::string> names;
  for (const auto& e : std::filesystem::directory_iterator(directory)) names.insert(e.path().filename().string());
  return names;
}

// Makes every write beyond `limit` bytes of a file fail with EFBIG while it lives: a
// disk that fills up part-way, for this process only.
class FileSizeLimit {
 public:
  explicit FileSizeLimit(rlim_t limit) {
    getrlimit(RLIMIT_FSIZE, &saved_);
    previous_ = std::signal(SIGXFSZ, SIG_IGN);
    rlimit lowered = saved_;
    lowered.rlim_cur = limit;
    setrlimit(RLIMIT_FSIZE, &lowered);
  }
  ~FileSizeLimit() {
    setrlimit(RLIMIT_FSIZE, &saved_);
    std::signal(SIGXFSZ, previous_);
  }

 private:
  rlimit saved_{};
  void (*previous_)(int) = nullptr;
};

bool writeAll(FileWriter& w, const std::string& path, WriteMode mode, const std::string& bytes) {
  if (!w.open(path, mode)) return false;
  const bool wrote = w.write(bytes);
  return w.close() && wrote;
}

TEST(FileWriter, CreateReplacesTheFileALinkNamesAndKeepsItsModeAndItsOwner) {
  test::TempTree tree;
  tree.file("real/report.txt", "old report");
  ASSERT_EQ(::chmod(tree.path("real/report.txt").c_str(), 0640), 0);
  ASSERT_EQ(::chown(tree.path("real/report.txt").c_str(), 1234, 4321), 0);
  tree.symlink("real/report.txt", "link.txt");

  FileWriter w;
  ASSERT_TRUE(w.open(tree.path("link.txt"), WriteMode::Create));
  ASSERT_TRUE(w.write("new report"));
  EXPECT_EQ(contentsOf(tree.path("real/report.txt")), "old report") << "replaced before the close";
  ASSERT_TRUE(w.close()) << w.error();

  struct stat st {};
  ASSERT_EQ(lstat(tree.path("link.txt").c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  ASSERT_EQ(stat(tree.path("real/report.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0640u);
  EXPECT_EQ(st.st_uid, 1234u);
  EXPECT_EQ(st.st_gid, 4321u);
  EXPECT_EQ(contentsOf(tree.path("real/report.txt")), "new report");
  EXPECT_EQ(namesIn(tree.path("real")), std::set<std::string>{"report.txt"});
}

TEST(FileWriter, ANewFileGetsTheUsualModeAndADanglingLinkItsTarget) {
  test::TempTree tree;
  tree.dir("real");
  tree.symlink("real/missing.txt", "link.txt");
  const mode_t mask = umask(022);
  FileWriter w;
  const bool written = writeAll(w, tree.path("link.txt"), WriteMode::Create, "x");
  umask(mask);
  ASSERT_TRUE(written) << w.error();
  struct stat st {};
  ASSERT_EQ(stat(tree.path("real/missing.txt").c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 07777, 0644u);
  EXPECT_EQ(contentsOf(tree.path("real/missing.txt")), "x");
}

// A write that fails part-way (the disk fills up) leaves the former file as it was.
TEST(FileWriter, AFailedWriteLeavesTheFormerFileAndNoTemporaryFile) {
  const std::string former = "yesterday's good report\r\n";
  const std::string big(256 * 1024, 'x');  // more than the buffer, more than the limit
  struct Case {
    const char* what;
    WriteMode mode;
    bool existing;
    std::set<std::string> namesAfter;
  } cases[] = {
      {"create over a file", WriteMode::Create, true, {"out.txt"}},
      {"create a new file", WriteMode::Create, false, {}},
      {"append to a file", WriteMode::Append, true, {"out.txt"}},
      {"append to a new file", WriteMode::Append, false, {}},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    test::TempTree tree;
    if (k.existing) tree.file("out.txt", former);
    const std::string path = tree.path("out.txt");
    FileWriter w;
    {
      FileSizeLimit limit(64 * 1024);
      ASSERT_TRUE(w.open(path, k.mode)) << w.error();
      w.write(big);
      w.write("more");
      EXPECT_FALSE(w.close());
    }
    EXPECT_FALSE(w.error().empty());
    EXPECT_EQ(namesIn(tree.root()), k.namesAfter);
    if (k.existing) {
      EXPECT_EQ(contentsOf(path), former);
    }
  }
}

TEST(FileWriter, AppendKeepsWhatWasThere) {
  test::TempTree tree;
  tree.file("out.txt", "one\r\n");
  FileWriter w;
  ASSERT_TRUE(writeAll(w, tree.path("out.txt"), WriteMode::Append, "two\r\n")) << w.error();
  EXPECT_EQ(contentsOf(tree.path("out.txt")), "one\r\ntwo\r\n");
}

// Devices and FIFOs cannot be renamed over: they are written in place.
TEST(FileWriter, ATargetThatIsNoRegularFileIsWrittenInPlace) {
  struct stat st {};
  if (stat("/dev/full", &st) == 0) {
    FileWriter full;
    ASSERT_TRUE(full.open("/dev/full", WriteMode::Create)) << full.error();
    full.write("report");
    EXPECT_FALSE(full.close());
    EXPECT_EQ(full.error(), std::strerror(ENOSPC));
  }

  test::TempTree tree;
  tree.fifo("pipe");
  std::string received;
  std::thread reader([&] {
    const int fd = ::open(tree.path("pipe").c_str(), O_RDONLY);
    char buffer[256];
    ssize_t n;
    while ((n = ::read(fd, buffer, sizeof buffer)) > 0) received.append(buffer, static_cast<std::size_t>(n));
    ::close(fd);
  });
  FileWriter w;
  const bool written = writeAll(w, tree.path("pipe"), WriteMode::Create, "through the pipe");
  reader.join();
  EXPECT_TRUE(written) << w.error();
  EXPECT_EQ(received, "through the pipe");
  EXPECT_EQ(namesIn(tree.root()), std::set<std::string>{"pipe"});
}

TEST(FileWriter, AFolderOrAMissingFolderIsReported) {
  test::TempTree tree;
  tree.dir("adir");
  for (const char* target : {"adir", "no/such/dir/out.txt"}) {
    FileWriter w;
    EXPECT_FALSE(w.open(tree.path(target), WriteMode::Create)) << target;
    EXPECT_FALSE(w.error().empty()) << target;
  }
  EXPECT_EQ(namesIn(tree.root()), std::set<std::string>{"adir"});
  EXPECT_TRUE(namesIn(tree.path("adir")).empty());
}

}  // namespace
}  // namespace quorvane::platform
