#pragma once
// The checksum a run computes and shows: CRC-32, CRC-16 or none. The numbers (32, 16, 0)
// are the ones the run state has always held; they convert only through the checked
// functions below.
#include <cstdint>
#include <optional>

namespace quorvane {

enum class ChecksumKind : std::uint8_t {
  None = 0,
  Crc16 = 16,
  Crc32 = 32,
};

constexpr int ChecksumKindNumber(ChecksumKind kind) { return static_cast<int>(kind); }

// The kind of the number 32, 16 or 0; nullopt for any other number.
constexpr std::optional<ChecksumKind> ChecksumKindFromNumber(int number) {
  switch (number) {
    case 0: return ChecksumKind::None;
    case 16: return ChecksumKind::Crc16;
    case 32: return ChecksumKind::Crc32;
    default: return std::nullopt;
  }
}

}  // namespace quorvane
