#include "sources/snapshot_format.h"

#include <cstdio>

#include "engine/file_entry.h"
#include "engine/run_state.h"
#include "engine/value_text.h"

namespace quorvane {

namespace {

std::string joined(const std::vector<std::string>& items, const char* none) {
  if (items.empty()) return none;
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += ';';
    text += item;
  }
  return text;
}

}  // namespace

std::string GeneratedOnText(const LocalDateTime& t) {
  char text[64];
  std::snprintf(text, sizeof text, "%02d/%02d/%04d %02d:%02d:%02d", t.month, t.day, t.year, t.hour, t.minute,
                t.second);
  return text;
}

std::vector<std::string> SnapshotHeaderLines(const SnapshotHeaderFacts& f) {
  std::vector<std::string> lines;
  lines.reserve(17);
  lines.emplace_back(kSnapshotHeader);
  lines.emplace_back();
  lines.emplace_back(".Version 1.6");
  lines.push_back((f.kind == skDirectory ? ".Source (DIRECTORY) : " : ".Source (ARCHIVE)   : ") + f.source);
  lines.push_back(".Source label       : " + (f.sideNote.size() > 2 ? f.sideNote.substr(2) : std::string()));
  lines.push_back(".File pattern       : " + f.includeMask);
  lines.push_back(".Exclude mask       : " + joined(f.excludeMasks, ""));
  std::string recursed = ".Recursed dirs      : ";
  if (f.recurse) {
    recursed += std::string("Yes      Path stripped : ") + (f.noPath ? "Yes" : "No");
  } else {
    recursed += "No";
    if (f.subdirectoriesWarning) recursed += ". -->  WARNING : PATH information in an archive file was skipped.";
  }
  lines.push_back(std::move(recursed));
  lines.push_back(".Included dirs      : " + joined(f.includeDirs, "<None>"));
  lines.push_back(".Excluded dirs      : " + joined(f.excludeDirs, "<None>"));
  lines.push_back(std::string(".Quick mode         : ") + (f.quick ? "Yes" : "No"));
  lines.push_back(".Source format      : " + std::to_string(f.kind) + " (" + setKindName(f.kind) + ")");
  lines.push_back(std::string(".Filename format    : ") + (f.strip83 ? "Stripped to 8.3" : "Long filenames"));
  lines.push_back(".Generated on       : " + GeneratedOnText(f.generatedOn));
  lines.emplace_back();
  lines.emplace_back(kSnapshotColumnTitles);
  lines.emplace_back(kSnapshotDashLine);
  return lines;
}

std::string SnapshotFileLine(std::uint64_t size, std::uint32_t dosTime, std::uint16_t cr16, std::uint32_t crc32,
                             std::string_view path) {
  char head[48];
  const int n = std::snprintf(head, sizeof head, "%10llu ", static_cast<unsigned long long>(size));
  std::string line;
  line.reserve(static_cast<std::size_t>(n) + 35 + path.size());
  line.append(head, static_cast<std::size_t>(n));
  line += FixedDateTimeText(dosTime);
  line += ' ';
  line += HexWord(cr16);
  line += ' ';
  line += HexLong(crc32);
  line += ' ';
  line += path;
  return line;
}

std::string SnapshotCountLine(std::uint64_t filesListed) { return "." + std::to_string(filesListed) + " files listed."; }

ListingMask::ListingMask(bool newSide, bool snapshotMode, std::uint16_t iFilter, std::uint16_t xFilter)
    : all_(snapshotMode), consider_(iFilter), shown_(iFilter & xFilter) {
  shown_ &= static_cast<std::uint16_t>(~(newSide ? stDeleted : stInserted));
}

}  // namespace quorvane
