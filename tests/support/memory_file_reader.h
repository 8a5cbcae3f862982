#pragma once
// A FileReader over bytes in memory, optionally failing once a given offset is reached,
// for readers that must be fed bad or huge input without touching the disk.
#include <algorithm>
#include <cstring>
#include <string>

#include "platform/file_reader.h"

namespace quorvane::test {

class MemoryFileReader : public platform::FileReader {
 public:
  explicit MemoryFileReader(std::string bytes, std::size_t failAt = std::string::npos)
      : bytes_(std::move(bytes)), failAt_(failAt) {}

  bool open(const std::string&) override {
    position_ = 0;
    return true;
  }
  std::int64_t read(void* buffer, std::size_t size) override {
    if (position_ >= failAt_) return -1;
    const std::size_t n = std::min({size, bytes_.size() - position_, failAt_ - position_});
    std::memcpy(buffer, bytes_.data() + position_, n);
    position_ += n;
    return static_cast<std::int64_t>(n);
  }
  void close() override {}

 private:
  std::string bytes_;
  std::size_t failAt_;
  std::size_t position_ = 0;
};

}  // namespace quorvane::test
