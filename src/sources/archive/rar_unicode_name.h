#pragma once
// RAR file names stored with the Unicode flag (0x0200): the name field holds the OEM name,
// a NUL and the Unicode name encoded against the OEM bytes. Without a NUL the whole field
// is UTF-8.
#include <string>
#include <string_view>

namespace quorvane {

// The UTF-8 form of a name field stored with the Unicode flag. Nothing after the NUL ever
// reaches the result undecoded.
std::string DecodeRarUnicodeName(std::string_view field);

}  // namespace quorvane
