#pragma once
// A read position over a ByteSource with a read-ahead buffer, so that walking a directory
// of many small headers costs one system read per buffer, not per field. Numbers are
// little-endian. A read that the source cannot satisfy in full throws ShortRead.
#include <cstddef>
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "sources/archive/byte_source.h"

namespace quorvane {

// Reading past the end of the archive (a truncated or damaged directory).
class ShortRead : public std::runtime_error {
 public:
  ShortRead() : std::runtime_error("read past the end of the archive") {}
};

class ByteCursor {
 public:
  explicit ByteCursor(const ByteSource& source, std::size_t bufferSize = 64 * 1024);

  std::uint64_t Size() const { return size_; }
  std::uint64_t Position() const { return position_; }
  // Any position; a later read beyond the end throws.
  void Seek(std::uint64_t position) { position_ = position; }
  // Moves forward, stopping at the largest value rather than wrapping around.
  void Skip(std::uint64_t count);

  void Read(void* buffer, std::size_t length);
  void ReadString(std::string& out, std::size_t length);
  std::uint8_t U8();
  std::uint16_t U16();
  std::uint32_t U32();
  std::uint64_t U64();

  // Reads up to length bytes at offset without moving the position; returns the count.
  std::size_t ReadSomeAt(std::uint64_t offset, void* buffer, std::size_t length) const;

 private:
  const ByteSource& source_;
  std::uint64_t size_;
  std::uint64_t position_ = 0;
  std::vector<unsigned char> buffer_;
  std::uint64_t bufferStart_ = 0;
  std::size_t bufferLength_ = 0;
};

// Little-endian fields of a header already in memory.
inline std::uint16_t LE16(const unsigned char* p) { return static_cast<std::uint16_t>(p[0] | (p[1] << 8)); }
inline std::uint32_t LE32(const unsigned char* p) {
  return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
         (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}
inline std::uint64_t LE64(const unsigned char* p) {
  return static_cast<std::uint64_t>(LE32(p)) | (static_cast<std::uint64_t>(LE32(p + 4)) << 32);
}

}  // namespace quorvane
