#pragma once
#include <cstdint>
#include <string>

namespace quorvane {

// One member of an archive's directory, as the readers report it.
struct TArchiveItem {
  std::string Name;         // normalised: UTF-8, "\" separators, no trailing blanks or dots
  std::uint64_t Size = 0;   // uncompressed size (64-bit: ZIP64, RAR high sizes)
  std::uint32_t Time = 0;   // DOS packed local time
  std::uint32_t CRC = 0;    // CRC-32 of the uncompressed data
  std::uint8_t Attr = 0;    // DOS attribute bits
};

}  // namespace quorvane
