#pragma once
// The position of a status bit in every per-status table: counters, texts, letters,
// report styles and colours. Bit i of the status word is the status of index i.
#include <array>
#include <cstddef>
#include <cstdint>

namespace quorvane {

enum class StatusIndex : std::uint8_t {
  Identical = 0,
  CrcDiffers = 1,
  Inserted = 2,
  Deleted = 3,
  Newer = 4,
  Older = 5,
  Bigger = 6,
  Smaller = 7,
};

inline constexpr std::size_t kStatusIndexCount = 8;

inline constexpr std::array<StatusIndex, kStatusIndexCount> kStatusIndices = {
    StatusIndex::Identical, StatusIndex::CrcDiffers, StatusIndex::Inserted, StatusIndex::Deleted,
    StatusIndex::Newer,     StatusIndex::Older,      StatusIndex::Bigger,   StatusIndex::Smaller};

// The index into a per-status table.
constexpr std::size_t Slot(StatusIndex index) { return static_cast<std::size_t>(index); }

// The status bit of the index.
constexpr std::uint16_t StatusBitOf(StatusIndex index) { return static_cast<std::uint16_t>(1u << Slot(index)); }

}  // namespace quorvane
