#pragma once
// CRC-32 as ZIP, ARJ and RAR store it: reflected polynomial 0xEDB88320. The caller starts
// with 0xFFFFFFFF and inverts the final value; "abc" gives 0x352441C2.
#include <array>
#include <cstddef>
#include <cstdint>

namespace quorvane {

// The standard 256-entry table.
extern const std::array<std::uint32_t, 256> kCrc32Table;

// Continues crc over length bytes with the active engine (see crc_engine.h).
std::uint32_t Crc32Update(std::uint32_t crc, const void* bytes, std::size_t length);

// The same with one table look-up per byte, on every CPU.
std::uint32_t Crc32UpdateByTable(std::uint32_t crc, const void* bytes, std::size_t length);

}  // namespace quorvane
