#pragma once
// The snapshot listing as written: the header (lines 1 to 17), one fixed-column line per
// file and the footer. Paths are written as held (UTF-8, "\" separated); sizes are the
// full 64-bit sizes, right-aligned in ten columns and running to the right only when
// they need more than ten digits.
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "engine/set_kind_code.h"

namespace quorvane {

inline constexpr std::string_view kSnapshotColumnTitles = "Size       Date       Time     CR16 CRC32    Filename";
inline constexpr std::string_view kSnapshotDashLine = "---------- ---------- -------- ---- -------- ------------";

// A local date and time with its real second (not the even DOS second).
struct LocalDateTime {
  int year = 1980;
  int month = 1;
  int day = 1;
  int hour = 0;
  int minute = 0;
  int second = 0;
};

// The local date and time now, as "Generated on" shows it.
LocalDateTime LocalNow();

// What the header says about the saved set and the options of its reading.
struct SnapshotHeaderFacts {
  SetKind kind = SetKind::Nothing;  // set kind of the saved side
  std::string source;        // directory root or file path, as shown
  std::string sideNote;      // the side note, with its two leading blanks
  std::string includeMask;   // e.g. "*.*" or "*.TXT"
  std::vector<std::string> excludeMasks;
  bool recurse = true;
  bool noPath = false;
  bool subdirectoriesWarning = false;
  std::vector<std::string> includeDirs;
  std::vector<std::string> excludeDirs;
  bool quick = false;
  bool strip83 = false;
  LocalDateTime generatedOn;
};

// Lines 1 to 17: the header, the column titles and the first dash line.
std::vector<std::string> SnapshotHeaderLines(const SnapshotHeaderFacts& facts);

// One file line: size, fixed date and time, CR16, CRC32, path from column 46.
void AppendSnapshotFileLine(std::string& line, std::uint64_t size, std::uint32_t dosTime, std::uint16_t cr16,
                            std::uint32_t crc32, std::string_view path);
std::string SnapshotFileLine(std::uint64_t size, std::uint32_t dosTime, std::uint16_t cr16, std::uint32_t crc32,
                             std::string_view path);

// Line 20: ".%d files listed."
std::string SnapshotCountLine(std::uint64_t filesListed);

// The items of a header's list (masks, directories) joined with ";"; `none` when empty.
std::string JoinedItems(const std::vector<std::string>& items, std::string_view none);

// "mm/dd/yyyy hh:mm:ss".
std::string GeneratedOnText(const LocalDateTime& t);

// The listing mask of a New-set or Old-set listing (snapshot or batch file): which
// entries a listing holds after a comparison. In snapshot mode every entry is listed.
class ListingMask {
 public:
  ListingMask(bool newSide, bool snapshotMode, std::uint16_t iFilter, std::uint16_t xFilter);
  // Every considered status bit of the entry is also shown.
  bool Lists(std::uint16_t status) const { return all_ || (status & shown_) == (status & consider_); }

 private:
  bool all_;
  std::uint16_t consider_;
  std::uint16_t shown_;
};

}  // namespace quorvane
