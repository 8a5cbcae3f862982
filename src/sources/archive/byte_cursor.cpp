#include "sources/archive/byte_cursor.h"

#include <cstring>
#include <limits>

namespace quorvane {

ByteCursor::ByteCursor(const ByteSource& source, std::size_t bufferSize)
    : source_(source), size_(source.Size()), buffer_(bufferSize) {}

void ByteCursor::Skip(std::uint64_t count) {
  const std::uint64_t room = std::numeric_limits<std::uint64_t>::max() - position_;
  position_ += count < room ? count : room;
}

void ByteCursor::Read(void* buffer, std::size_t length) {
  if (length == 0) return;
  if (position_ > size_ || size_ - position_ < length) throw ShortRead();
  auto* out = static_cast<unsigned char*>(buffer);
  const bool inBuffer = position_ >= bufferStart_ && position_ - bufferStart_ + length <= bufferLength_;
  if (!inBuffer) {
    if (length > buffer_.size()) {
      if (source_.ReadAt(position_, out, length) != length) throw ShortRead();
      position_ += length;
      return;
    }
    bufferStart_ = position_;
    bufferLength_ = source_.ReadAt(position_, buffer_.data(), buffer_.size());
    if (bufferLength_ < length) throw ShortRead();
  }
  std::memcpy(out, buffer_.data() + (position_ - bufferStart_), length);
  position_ += length;
}

void ByteCursor::ReadString(std::string& out, std::size_t length) {
  out.resize(length);
  Read(out.data(), length);
}

std::uint8_t ByteCursor::U8() {
  unsigned char b;
  Read(&b, 1);
  return b;
}

std::uint16_t ByteCursor::U16() {
  unsigned char b[2];
  Read(b, 2);
  return LE16(b);
}

std::uint32_t ByteCursor::U32() {
  unsigned char b[4];
  Read(b, 4);
  return LE32(b);
}

std::uint64_t ByteCursor::U64() {
  unsigned char b[8];
  Read(b, 8);
  return LE64(b);
}

std::size_t ByteCursor::ReadSomeAt(std::uint64_t offset, void* buffer, std::size_t length) const {
  if (offset >= size_) return 0;
  return source_.ReadAt(offset, buffer, length);
}

}  // namespace quorvane
