#include "support/temp_tree.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>
#include <vector>

#include "platform/dos_time.h"

namespace quorvane::test {

namespace fs = std::filesystem;

namespace {

// Removes the contents of an open directory through descriptors, so that trees deeper
// than a path can name go too. Takes ownership of fd.
void removeContents(int fd) {
  std::vector<std::string> names;
  if (DIR* dir = fdopendir(dup(fd))) {
    while (const dirent* d = readdir(dir)) {
      const std::string name = d->d_name;
      if (name != "." && name != "..") names.push_back(name);
    }
    closedir(dir);
  }
  for (const std::string& name : names) {
    struct stat st {};
    if (fstatat(fd, name.c_str(), &st, AT_SYMLINK_NOFOLLOW) == 0 && S_ISDIR(st.st_mode)) {
      fchmodat(fd, name.c_str(), 0700, 0);  // read-only fixtures too
      const int child = openat(fd, name.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC | O_NOFOLLOW);
      if (child >= 0) removeContents(child);
      unlinkat(fd, name.c_str(), AT_REMOVEDIR);
    } else {
      unlinkat(fd, name.c_str(), 0);
    }
  }
  close(fd);
}

}  // namespace

TempTree::TempTree() {
  std::string pattern = (fs::temp_directory_path() / "quorvane-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern + "/";
}

TempTree::TempTree(const std::string& base) {
  std::string pattern = base + "/quorvane-test-XXXXXX";
  if (!mkdtemp(pattern.data())) {
    pattern = (fs::temp_directory_path() / "quorvane-test-XXXXXX").string();
    if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  }
  root_ = pattern + "/";
}

TempTree::~TempTree() {
  const int fd = open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) removeContents(fd);
  rmdir(root_.c_str());
}

void TempTree::deepFile(int levels, const std::string& levelName, const std::string& name, const std::string& content,
                        std::int64_t mtime) {
  int fd = open(root_.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  for (int i = 0; i < levels && fd >= 0; ++i) {
    mkdirat(fd, levelName.c_str(), 0755);
    const int child = openat(fd, levelName.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
    close(fd);
    fd = child;
  }
  if (fd < 0) throw std::runtime_error("deepFile: cannot make the directories");
  const int file = openat(fd, name.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  close(fd);
  if (file < 0 || write(file, content.data(), content.size()) != static_cast<ssize_t>(content.size()))
    throw std::runtime_error("deepFile: cannot write the file");
  const struct timespec times[2] = {{static_cast<time_t>(mtime), 0}, {static_cast<time_t>(mtime), 0}};
  futimens(file, times);
  close(file);
}

void TempTree::file(const std::string& relative, const std::string& content, std::int64_t mtime) {
  const fs::path p = root_ + relative;
  fs::create_directories(p.parent_path());
  std::ofstream(p, std::ios::binary) << content;
  struct timeval times[2] = {{static_cast<time_t>(mtime), 0}, {static_cast<time_t>(mtime), 0}};
  utimes(p.c_str(), times);
}

void TempTree::dir(const std::string& relative) { fs::create_directories(root_ + relative); }

void TempTree::symlink(const std::string& target, const std::string& relative) {
  const fs::path p = root_ + relative;
  fs::create_directories(p.parent_path());
  fs::create_symlink(target, p);
}

void TempTree::fifo(const std::string& relative) {
  const fs::path p = root_ + relative;
  fs::create_directories(p.parent_path());
  mkfifo(p.c_str(), 0644);
}

void TempTree::chmod(const std::string& relative, unsigned mode) { ::chmod((root_ + relative).c_str(), mode); }

std::uint32_t dosOf(std::int64_t unixSeconds) { return platform::dosTimeFromUnix(unixSeconds); }

}  // namespace quorvane::test
