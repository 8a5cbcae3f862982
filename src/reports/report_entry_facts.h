#pragma once
// The facts of one listed entry as the CSV, JSON and HTML reports write them: status
// words in the long form, paths with "/" separators, times in ISO 8601 local time,
// checksums in hexadecimal. A side that does not hold the file has no size, time or
// checksum (an empty CSV field, JSON null, an empty cell).
#include <cstdint>
#include <string>
#include <string_view>

#include "engine/checksum_kind.h"
#include "engine/file_entry.h"

namespace quorvane {

// "Same", "CRC differs", "Inserted", "Deleted" or, in a quick comparison, "Differs".
std::string_view StatusWord(std::uint16_t shown, bool quick);
// "Newer", "Older" or "".
std::string_view DateStatusWord(std::uint16_t shown);
// "Bigger", "Smaller" or "".
std::string_view SizeStatusWord(std::uint16_t shown);

// "0x0011": the shown status bits, four hexadecimal digits.
std::string StatusBitsText(std::uint16_t shown);

// The held path ("docs\a.txt") with "/" separators ("docs/a.txt").
std::string SlashPath(std::string_view heldPath);
// The same for an entry's path, built in one go.
std::string SlashPath(const FileEntry& entry);

// "2024-03-01T10:00:00" from a DOS packed local time (fields as stored).
std::string IsoLocalTime(std::uint32_t packed);

// The checksum: 8 hexadecimal digits (CRC-32) or 4 (CRC-16); "" without checksums.
std::string ChecksumText(std::uint32_t crc, ChecksumKind kind);

// Which sides hold the file.
inline bool NewSideHolds(const FileEntry& e) { return !(e.Status & stDeleted); }
inline bool OldSideHolds(const FileEntry& e) { return !(e.Status & stInserted); }

}  // namespace quorvane
