#pragma once
// The lines of the diff report: header, column titles and underline row, one line per
// entry (made of parts, each with its print style) and the statistics block. Pure text
// building; the writer (diff_report.h) decides which entries and where the lines go.
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "engine/checksum_kind.h"
#include "engine/file_entry.h"
#include "engine/set_kind_code.h"
#include "platform/text_device.h"
#include "settings/settings.h"
#include "sources/snapshot_format.h"

namespace quorvane {

// Which entries a report lists and which of their status bits it shows. Filtered like
// the screen: shown = IFilter AND XFilter, considered = IFilter; unfiltered: all bits.
struct ReportMasks {
  std::uint16_t shown = 0xFFFF;
  std::uint16_t considered = 0xFFFF;

  static ReportMasks For(bool filtering, std::uint16_t iFilter, std::uint16_t xFilter);
  // Every considered status bit of the entry is also shown.
  bool Reports(std::uint16_t status) const { return (status & shown) == (status & considered); }
};

// The settings that shape a line, and the run's checksum kind (32, 16 or 0).
struct DiffLineFormat {
  const Settings& settings;
  ChecksumKind checksumKind = ChecksumKind::Crc32;
  // The style of each status on the printer; nullptr for a file (every part plain).
  const StyleSet* styles = nullptr;
};

// Line 19 and 20 of the header (and the closing underline).
std::string DiffColumnTitles(const Settings& settings);
std::string DiffUnderline(const Settings& settings);

// The status, date status and size status texts of a shown status, as the layout wants.
std::string DiffStatusText(std::uint16_t shown, const Settings& settings);

// The name column: the file name split at its last dot, the extension padded to four
// characters, right-aligned in 12 (longer names overflow).
std::string DiffNameField(std::string_view path);

// The line of one entry (not in Batch form), names written as LineSafeText shows them.
// partner is the moved partner or nullptr.
// parts is cleared and refilled; neighbouring parts of one style are merged.
void DiffEntryLine(const FileEntry& entry, std::uint16_t shown, const FileEntry* partner, const DiffLineFormat& format,
                   std::vector<TextPart>& parts);

struct DiffHeaderFacts {
  SetKind newKind = SetKind::Nothing;
  SetKind oldKind = SetKind::Nothing;
  std::string newPath;  // as shown (network form)
  std::string oldPath;
  std::string newNote;  // side notes as held, with their two leading blanks
  std::string oldNote;
  std::string includeMask;
  std::vector<std::string> excludeMasks;
  std::vector<std::string> includeDirs;
  std::vector<std::string> excludeDirs;
  bool subdirectoriesWarning = false;
  bool filtering = false;
  std::uint16_t iFilter = 0xFFFF;
  std::uint16_t xFilter = 0xFFFF;
  LocalDateTime generatedOn;
  std::uint64_t filesListed = 0;
  std::uint64_t fileCount = 0;
};

// The letters between the brackets of "Exclude options" (hidden statuses, "=CIDNOBS")
// and "Ignore options" (ignored differences, "CDS"); empty when not filtering.
std::string ExcludeOptionLetters(const DiffHeaderFacts& facts);
std::string IgnoreOptionLetters(const DiffHeaderFacts& facts);

// "2 s, hour shifts up to 1": the time tolerance as the header shows it (the line
// "Time tolerance   : " comes after "Ignore options" when either is set).
std::string TimeToleranceText(const Settings& settings);

// Header lines 1 to 20 (the conditional ones only when they apply).
std::vector<std::string> DiffHeaderLines(const DiffHeaderFacts& facts, const Settings& settings);

// The statistics block after the closing underline: an empty line and four lines.
std::vector<std::string> DiffStatisticsLines(const std::array<std::uint32_t, 8>& counts, std::uint64_t filesCompared);

}  // namespace quorvane
