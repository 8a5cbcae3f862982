#pragma once
// CRC-16/ARC as LZH, LHA, ZOO and ARC archives store it: reflected polynomial 0xA001,
// started at 0, no final inversion; "abc" gives 0x9738.
#include <array>
#include <cstddef>
#include <cstdint>

namespace quorvane {

// The standard 256-entry table.
extern const std::array<std::uint16_t, 256> kCrc16Table;

// Continues crc over length bytes with the active engine (see crc_engine.h). Every length
// is handled: a block of 65,536 bytes or a multiple of it is checksummed like any other,
// not skipped.
std::uint16_t Crc16Update(std::uint16_t crc, const void* bytes, std::size_t length);

// The same with one table look-up per byte, on every CPU.
std::uint16_t Crc16UpdateByTable(std::uint16_t crc, const void* bytes, std::size_t length);

}  // namespace quorvane
