#include "sources/snapshot_format.h"

#include <charconv>
#include <cstdio>

#include "engine/file_entry.h"
#include "engine/program_version.h"
#include "engine/run_state.h"
#include "engine/snapshot_header.h"
#include "engine/value_text.h"
#include "platform/local_clock.h"

namespace quorvane {

namespace {

// Zero-padded to `width` digits (DOS time fields always fit theirs).
void appendDecimal(std::string& out, unsigned value, int width) {
  char digits[8];
  for (int i = width - 1; i >= 0; --i) {
    digits[i] = static_cast<char>('0' + value % 10);
    value /= 10;
  }
  out.append(digits, static_cast<std::size_t>(width));
}

void appendHex(std::string& out, std::uint32_t value, int width) {
  static constexpr char kDigits[] = "0123456789ABCDEF";
  char digits[8];
  for (int i = width - 1; i >= 0; --i) {
    digits[i] = kDigits[value & 0xF];
    value >>= 4;
  }
  out.append(digits, static_cast<std::size_t>(width));
}

}  // namespace

LocalDateTime LocalNow() {
  const std::tm t = platform::currentLocalTime();
  return {t.tm_year + 1900, t.tm_mon + 1, t.tm_mday, t.tm_hour, t.tm_min, t.tm_sec};
}

std::string JoinedItems(const std::vector<std::string>& items, std::string_view none) {
  if (items.empty()) return std::string(none);
  std::string text;
  for (const std::string& item : items) {
    if (!text.empty()) text += ';';
    text += item;
  }
  return text;
}

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
  lines.push_back(std::string(".Version ") + kProgramVersion);
  lines.push_back((f.kind == SetKind::Directory ? ".Source (DIRECTORY) : " : ".Source (ARCHIVE)   : ") + f.source);
  lines.push_back(".Source label       : " + (f.sideNote.size() > 2 ? f.sideNote.substr(2) : std::string()));
  lines.push_back(".File pattern       : " + f.includeMask);
  lines.push_back(".Exclude mask       : " + JoinedItems(f.excludeMasks, ""));
  std::string recursed = ".Recursed dirs      : ";
  if (f.recurse) {
    recursed += std::string("Yes      Path stripped : ") + (f.noPath ? "Yes" : "No");
  } else {
    recursed += "No";
    if (f.subdirectoriesWarning) recursed += ". -->  WARNING : PATH information in an archive file was skipped.";
  }
  lines.push_back(std::move(recursed));
  lines.push_back(".Included dirs      : " + JoinedItems(f.includeDirs, "<None>"));
  lines.push_back(".Excluded dirs      : " + JoinedItems(f.excludeDirs, "<None>"));
  lines.push_back(std::string(".Quick mode         : ") + (f.quick ? "Yes" : "No"));
  lines.push_back(".Source format      : " + std::to_string(SetKindNumber(f.kind)) + " (" + setKindName(f.kind) + ")");
  lines.push_back(std::string(".Filename format    : ") + (f.strip83 ? "Stripped to 8.3" : "Long filenames"));
  lines.push_back(".Generated on       : " + GeneratedOnText(f.generatedOn));
  lines.emplace_back();
  lines.emplace_back(kSnapshotColumnTitles);
  lines.emplace_back(kSnapshotDashLine);
  return lines;
}

// The line is built with plain digit loops rather than through the text routines of
// value_text (FixedDateTimeText, HexWord, HexLong give the same characters; the tests
// compare both): a listing of a million entries spends most of its time here.
void AppendSnapshotFileLine(std::string& line, std::uint64_t size, std::uint32_t dosTime, std::uint16_t cr16,
                            std::uint32_t crc32, std::string_view path) {
  char digits[24];
  const auto [end, error] = std::to_chars(digits, digits + sizeof digits, size);
  (void)error;
  const std::size_t length = static_cast<std::size_t>(end - digits);
  if (length < 10) line.append(10 - length, ' ');
  line.append(digits, length);
  line += ' ';
  const platform::DosDateTime t = UnpackTime(dosTime);
  appendDecimal(line, static_cast<unsigned>(t.year), 4);
  line += '/';
  appendDecimal(line, static_cast<unsigned>(t.month), 2);
  line += '/';
  appendDecimal(line, static_cast<unsigned>(t.day), 2);
  line += ' ';
  appendDecimal(line, static_cast<unsigned>(t.hour), 2);
  line += ':';
  appendDecimal(line, static_cast<unsigned>(t.minute), 2);
  line += ':';
  appendDecimal(line, static_cast<unsigned>(t.second), 2);
  line += ' ';
  appendHex(line, cr16, 4);
  line += ' ';
  appendHex(line, crc32, 8);
  line += ' ';
  line += path;
}

std::string SnapshotFileLine(std::uint64_t size, std::uint32_t dosTime, std::uint16_t cr16, std::uint32_t crc32,
                             std::string_view path) {
  std::string line;
  line.reserve(46 + path.size());
  AppendSnapshotFileLine(line, size, dosTime, cr16, crc32, path);
  return line;
}

std::string SnapshotCountLine(std::uint64_t filesListed) { return "." + std::to_string(filesListed) + " files listed."; }

ListingMask::ListingMask(bool newSide, bool snapshotMode, std::uint16_t iFilter, std::uint16_t xFilter)
    : all_(snapshotMode), consider_(iFilter), shown_(iFilter & xFilter) {
  shown_ &= static_cast<std::uint16_t>(~(newSide ? stDeleted : stInserted));
}

}  // namespace quorvane
