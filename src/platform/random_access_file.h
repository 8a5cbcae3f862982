#pragma once
// A regular file opened read-only for reads at arbitrary offsets (archive directories).
// Anything but a regular file (FIFO, device, directory) is refused, so an open never
// blocks and a read always ends.
#include <cstddef>
#include <cstdint>
#include <string>

namespace quorvane::platform {

class RandomAccessFile {
 public:
  RandomAccessFile() = default;
  ~RandomAccessFile();
  RandomAccessFile(const RandomAccessFile&) = delete;
  RandomAccessFile& operator=(const RandomAccessFile&) = delete;

  // False when the path is no regular file or cannot be opened for reading.
  bool open(const std::string& nativePath);
  bool isOpen() const { return fd_ >= 0; }
  // The size at the time of opening.
  std::uint64_t size() const { return size_; }

  // Reads up to length bytes at offset; fewer only at the end of the file.
  // Throws std::runtime_error on an I/O error.
  std::size_t readAt(std::uint64_t offset, void* buffer, std::size_t length) const;

 private:
  int fd_ = -1;
  std::uint64_t size_ = 0;
};

}  // namespace quorvane::platform
