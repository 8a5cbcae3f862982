#pragma once
// A FileReader over the real files that fails on cue, for the checksum and scanner tests
// and the automatic mode (we run as root, so permissions cannot make a file unreadable).
#include <atomic>
#include <cerrno>
#include <memory>
#include <set>
#include <string>
#include <vector>

#include "platform/directory_handle.h"
#include "platform/file_reader.h"

namespace quorvane::test {

// A reader that counts what it is asked and fails on cue: the first openFailures opens,
// every open of a path ending as one of alwaysFailing, every read of a file whose path
// ends as one of unreadable (with EIO; its opens succeed), and the read calls numbered in
// failingReads (counted from 1 over the reader's life; a failed read consumes nothing).
// Readers made by another() for the read-ahead workers share the open count,
// alwaysFailing and unreadable.
class ScriptedReader : public platform::FileReader {
 public:
  struct Shared {
    std::atomic<int> opens{0};
    std::vector<std::string> alwaysFailing;  // set before the workers start
    std::vector<std::string> unreadable;     // as well
  };

  bool open(const std::string& path) override { return mayOpen(path) && FileReader::open(path); }
  bool openAt(const platform::DirectoryHandle& directory, const char* name) override {
    return mayOpen(directory.NativePath() + name) && FileReader::openAt(directory, name);
  }
  std::int64_t read(void* buffer, std::size_t size) override {
    ++reads;
    if (failingReads.count(reads)) return -1;
    if (currentUnreadable_) {
      lastError_ = EIO;
      return -1;
    }
    const std::int64_t n = FileReader::read(buffer, size);
    readSizes.push_back(n);
    return n;
  }
  std::unique_ptr<FileReader> another() const override {
    auto r = std::make_unique<ScriptedReader>();
    r->shared = shared;
    return r;
  }

  std::shared_ptr<Shared> shared = std::make_shared<Shared>();
  int openFailures = 0;
  std::set<int> failingReads;
  int reads = 0;
  std::vector<std::int64_t> readSizes;  // of the reads that went to the file

 private:
  bool mayOpen(const std::string& path) {
    ++shared->opens;
    if (openFailures > 0) {
      --openFailures;
      return false;
    }
    if (endsWithOneOf(path, shared->alwaysFailing)) return false;
    currentUnreadable_ = endsWithOneOf(path, shared->unreadable);
    return true;
  }
  static bool endsWithOneOf(const std::string& path, const std::vector<std::string>& ends) {
    for (const std::string& end : ends)
      if (path.size() >= end.size() && path.compare(path.size() - end.size(), end.size(), end) == 0) return true;
    return false;
  }
  bool currentUnreadable_ = false;
};

}  // namespace quorvane::test
