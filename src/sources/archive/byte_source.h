#pragma once
// Where an archive reader takes its bytes from: a file on disk, or memory (tests, fuzzing).
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>

#include "platform/random_access_file.h"

namespace quorvane {

class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Copies up to length bytes from offset; fewer only at the end. Throws on an I/O error.
  virtual std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t length) const = 0;
};

// Holds its own copy of the bytes.
class MemoryByteSource : public ByteSource {
 public:
  explicit MemoryByteSource(std::string_view bytes) : bytes_(bytes) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t length) const override;

 private:
  std::string bytes_;
};

class FileByteSource : public ByteSource {
 public:
  // False when the file cannot be opened for reading (or is no regular file).
  bool Open(const std::string& nativePath) { return file_.open(nativePath); }
  std::uint64_t Size() const override { return file_.size(); }
  std::size_t ReadAt(std::uint64_t offset, void* buffer, std::size_t length) const override {
    return file_.readAt(offset, buffer, length);
  }

 private:
  platform::RandomAccessFile file_;
};

}  // namespace quorvane
