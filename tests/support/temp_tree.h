#pragma once
// A temporary directory removed at the end of the test (however deep), with helpers to lay out fixture
// trees with fixed modification times.
#include <cstdint>
#include <string>

namespace quorvane::test {

class TempTree {
 public:
  TempTree();
  // Under base instead of the temporary directory when a directory can be made there
  // (deep trees are made and removed far faster on a memory file system, /dev/shm).
  explicit TempTree(const std::string& base);
  ~TempTree();
  TempTree(const TempTree&) = delete;
  TempTree& operator=(const TempTree&) = delete;

  // Native root, ending with "/".
  const std::string& root() const { return root_; }
  std::string path(const std::string& relative) const { return root_ + relative; }

  // Writes a file (parents created) with the given content and modification time
  // (seconds since 1970, UTC; tests run with TZ=UTC).
  void file(const std::string& relative, const std::string& content, std::int64_t mtime = 1700000000);
  void dir(const std::string& relative);
  // Writes name at the bottom of `levels` nested directories all called levelName, built
  // through descriptors, so the path may be longer than the system lets a path be.
  void deepFile(int levels, const std::string& levelName, const std::string& name, const std::string& content,
                std::int64_t mtime = 1700000000);
  void symlink(const std::string& target, const std::string& relative);
  void fifo(const std::string& relative);
  void chmod(const std::string& relative, unsigned mode);

 private:
  std::string root_;
};

// 2023-11-14 22:13:20 UTC as a DOS packed time.
std::uint32_t dosOf(std::int64_t unixSeconds);

}  // namespace quorvane::test
