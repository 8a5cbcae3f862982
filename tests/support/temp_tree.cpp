#include "support/temp_tree.h"

#include <sys/stat.h>
#include <sys/time.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <stdexcept>

#include "platform/dos_time.h"

namespace quorvane::test {

namespace fs = std::filesystem;

TempTree::TempTree() {
  std::string pattern = (fs::temp_directory_path() / "quorvane-test-XXXXXX").string();
  if (!mkdtemp(pattern.data())) throw std::runtime_error("mkdtemp failed");
  root_ = pattern + "/";
}

TempTree::~TempTree() {
  std::error_code ec;
  // Restore write permission so that read-only fixtures can be removed.
  for (auto it = fs::recursive_directory_iterator(root_, fs::directory_options::skip_permission_denied, ec);
       it != fs::recursive_directory_iterator(); it.increment(ec)) {
    if (!it->is_symlink(ec)) fs::permissions(it->path(), fs::perms::owner_all, fs::perm_options::add, ec);
  }
  fs::remove_all(root_, ec);
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
