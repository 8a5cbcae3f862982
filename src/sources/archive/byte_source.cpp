#include "sources/archive/byte_source.h"

#include <algorithm>
#include <cstring>

namespace quorvane {

std::size_t MemoryByteSource::ReadAt(std::uint64_t offset, void* buffer, std::size_t length) const {
  if (offset >= bytes_.size()) return 0;
  const std::size_t n = static_cast<std::size_t>(std::min<std::uint64_t>(length, bytes_.size() - offset));
  std::memcpy(buffer, bytes_.data() + offset, n);
  return n;
}

}  // namespace quorvane
