#pragma once
// Facts taken from the extra field of a ZIP central header: the ZIP64 uncompressed size,
// and the modification time of the extended-timestamp (0x5455) or NTFS (0x000a) field.
#include <cstdint>
#include <optional>
#include <string_view>

namespace quorvane {

// The uncompressed size from a ZIP64 extra field (0x0001), whose first value is that size
// when the header's 32-bit field holds 0xFFFFFFFF.
std::optional<std::uint64_t> Zip64UncompressedSize(std::string_view extra);

// The modification time in seconds since 1970 (UTC) from the first field that carries
// one: an extended timestamp with flag bit 0 set (a signed 32-bit count of seconds), or
// an NTFS field's tag 1 (100 ns units since 1601, rounded down to the second).
std::optional<std::int64_t> ZipExtraFieldModificationTime(std::string_view extra);

}  // namespace quorvane
