#pragma once
// The compare rules of the display index (sort types 0 to 10). The numbers convert only
// through the checked functions below.
#include <cstdint>
#include <optional>

namespace quorvane {

enum class SortType : std::uint8_t {
  FullPath = 0,  // file-list order
  NewName = 1,   // file name, then directory
  NewSize = 2,
  NewTime = 3,
  NewCrc = 4,
  OldName = 5,
  OldSize = 6,
  OldTime = 7,
  OldCrc = 8,
  Crc16 = 9,  // the status word, which holds the CRC-16 in snapshot mode
  Crc32 = 10,
};

constexpr int SortTypeNumber(SortType type) { return static_cast<int>(type); }

// The type of a number 0..10; nullopt for any other number.
constexpr std::optional<SortType> SortTypeFromNumber(int number) {
  if (number < 0 || number > SortTypeNumber(SortType::Crc32)) return std::nullopt;
  return static_cast<SortType>(number);
}

}  // namespace quorvane
