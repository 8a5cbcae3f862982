#pragma once
// Reading the lines of a snapshot: the version of line 3, the column layout it selects,
// and one file line into its facts.
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace quorvane {

// 1-based first columns of the fields of one layout.
struct SnapshotLayout {
  int year, yearWidth, month, day, hour, minute, second, cr16, crc32, path;
};

// Versions 130 and above: four-digit year, path from column 46.
inline constexpr SnapshotLayout kFourDigitYearLayout{12, 4, 17, 20, 23, 26, 29, 32, 37, 46};
// Older listings: two-digit year (+1900), path from column 44.
inline constexpr SnapshotLayout kTwoDigitYearLayout{12, 2, 15, 18, 21, 24, 27, 30, 35, 44};

inline constexpr int kNoVersion = 100;

// The version of line 3: ".Version 1.6" gives 160, ".Version 1.3" and ".Version 1.30"
// give 130; a line not beginning with ".Version " gives kNoVersion. nullopt when the
// numbers are not integers.
std::optional<int> SnapshotVersion(std::string_view line3);

const SnapshotLayout& LayoutOfVersion(int version);

struct SnapshotLineFacts {
  std::string path;  // held form: UTF-8, "\" separated, no trailing blanks or dots
  std::uint64_t size = 0;
  std::uint32_t time = 0;  // DOS packed
  std::uint16_t cr16 = 0;
  std::uint32_t crc32 = 0;
};

// Whether the line is skipped without being parsed: shorter than 40 characters, or
// beginning with ".", "-", "[" or "S" (header, titles, dash lines, footer).
bool IsSnapshotNonFileLine(std::string_view line);

enum class SnapshotLineVerdict { Accepted, NotANumber, NoName };

// How the names of a listing are read: as written by a system of OEM names (trailing
// blanks and dots removed, OEM text decoded), or byte for byte, as a listing of a Linux
// tree holds them (names there may end with blanks and dots, and hold any bytes).
enum class SnapshotNames { Oem, AsStored };

// Parses a file line by the layout. NotANumber when the size or a date field is not a
// number, NoName when no path is left. Hexadecimal fields never reject a line. A size of
// more than ten digits pushes every later column to the right by its extra digits. In
// either name form every "/" becomes "\".
SnapshotLineVerdict ReadSnapshotLine(std::string_view line, const SnapshotLayout& layout, SnapshotNames names,
                                     SnapshotLineFacts& facts);

// The same for OEM names; true when the line is accepted.
bool ParseSnapshotLine(std::string_view line, const SnapshotLayout& layout, SnapshotLineFacts& facts);

// Whether the text after the first " : " of a ".Source (" header line is a Linux path.
bool SnapshotSourceIsLinuxPath(std::string_view sourceLine);

// The count of a ".N files listed." line, or nullopt for any other line.
std::optional<std::uint64_t> SnapshotListedCount(std::string_view line);

}  // namespace quorvane
