#pragma once
// Reflected CRCs of up to 32 bits folded with carry-less multiplication (x86-64
// PCLMULQDQ): the message is folded 64 bytes at a time into four 128-bit lanes, the
// lanes into one, and the last 16 bytes of that remainder plus the tail go through the
// table routine. Works for any polynomial: the folding constants are derived from it.
#include <cstddef>
#include <cstdint>

namespace quorvane::crc_folding {

// x^e mod P for the folds, each stored as a reflected 33-bit value (bit j holds the
// coefficient of x^(32-j)) as PCLMULQDQ on reflected data needs them.
struct FoldConstants {
  std::uint64_t by4High, by4Low;  // x^(512+32), x^(512-32): one lane over the next 64 bytes
  std::uint64_t by1High, by1Low;  // x^(128+32), x^(128-32): one lane onto the next 16 bytes
};

// polynomial: the normal (not reflected) form without its top term, width bits wide.
constexpr std::uint64_t reflectedPowerMod(unsigned exponent, std::uint32_t polynomial, unsigned width) {
  const std::uint64_t top = std::uint64_t{1} << width;
  std::uint64_t r = 1;
  for (unsigned i = 0; i < exponent; ++i) {
    r <<= 1;
    if (r & top) r ^= top | polynomial;
  }
  std::uint64_t stored = 0;
  for (unsigned d = 0; d < width; ++d)
    if (r >> d & 1) stored |= std::uint64_t{1} << (32 - d);
  return stored;
}

constexpr FoldConstants foldConstants(std::uint32_t polynomial, unsigned width) {
  return {reflectedPowerMod(512 + 32, polynomial, width), reflectedPowerMod(512 - 32, polynomial, width),
          reflectedPowerMod(128 + 32, polynomial, width), reflectedPowerMod(128 - 32, polynomial, width)};
}

using TableUpdate = std::uint32_t (*)(std::uint32_t crc, const std::uint8_t* bytes, std::size_t length);

// Shorter messages are not worth the set-up; the table routine takes them.
inline constexpr std::size_t kMinimumLength = 64;

// crc: the reflected register, width bits in its low bits. length >= kMinimumLength.
// Only to be called when CarrylessMultiplyAvailable().
std::uint32_t Fold(const FoldConstants& k, std::uint32_t crc, const std::uint8_t* bytes, std::size_t length,
                   TableUpdate finish);

}  // namespace quorvane::crc_folding
