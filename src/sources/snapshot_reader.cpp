#include "sources/snapshot_reader.h"

#include <cmath>

#include "engine/add_file.h"
#include "engine/errors.h"
#include "platform/random_access_file.h"
#include "sources/path_rewrite.h"
#include "sources/snapshot_format.h"
#include "sources/snapshot_line_parser.h"
#include "sources/text_line_reader.h"

namespace quorvane {

namespace {

bool beginsWithTenDashes(std::string_view line) { return line.substr(0, 10) == "----------"; }

// A read that fails part-way must not pass for the end of the listing.
[[noreturn]] void throwReadError(const std::string& path) { throw eSnpError("Error reading " + path); }

std::string snapshotErrorText(Side side, std::string_view what) {
  return std::string("Error in ") + sideWordUpper(side) + " Snapshot" + std::string(what);
}

// Reads forward to the next file line, leaving its facts in the scan record.
class SnapshotEntryReader {
 public:
  enum class Result { Entry, Dashes, EndOfFile };

  SnapshotEntryReader(Comparison& c, Side side, TextLineReader& lines, std::uint64_t size, const SnapshotLayout& layout,
                      const std::string& path)
      : c_(c), side_(side), lines_(lines), size_(size), layout_(layout), path_(path) {
    const std::uint8_t other = c.Set(side == Side::New ? Side::Old : Side::New).Kind;
    const std::uint8_t own = c.Set(side).Kind;
    sixteenBitKinds_ = isSixteenBitKind(own) || isSixteenBitKind(other);
  }

  Result Next() {
    progress();
    if (!c_.State.SnapshotMode) c_.Scan.Status = stInserted;
    line_.clear();
    for (;;) {
      if (beginsWithTenDashes(line_)) return Result::Dashes;
      if (!lines_.ReadLine(line_)) {
        if (lines_.Failed()) throwReadError(path_);
        return Result::EndOfFile;
      }
      if (lines_.LastLineCut() || IsSnapshotNonFileLine(line_)) continue;
      if (!ParseSnapshotLine(line_, layout_, facts_)) continue;
      store();
      return Result::Entry;
    }
  }

 private:
  static bool isSixteenBitKind(std::uint8_t kind) { return kind == skLha || kind == skZoo || kind == skArc; }

  // The meter throttles by time itself; asking it only every 16 KiB of the listing
  // saves a clock read per line and changes nothing the user can see.
  void progress() {
    const std::uint64_t read = lines_.BytesConsumed();
    if (started_ && read - lastProgressBytes_ < kProgressStepBytes) return;
    started_ = true;
    lastProgressBytes_ = read;
    const int percent = size_ == 0 ? 100 : static_cast<int>(std::llround(static_cast<double>(read) * 100.0 / static_cast<double>(size_)));
    c_.Progress.Update(percent > 100 ? 100 : percent);
    c_.Progress.Pump();
  }

  void store() {
    ScanRecord& s = c_.Scan;
    s.Path = std::move(facts_.path);
    std::uint32_t checksum = facts_.crc32;
    if (c_.State.SnapshotMode) s.Status = facts_.cr16;
    else if (sixteenBitKinds_) checksum = facts_.cr16;
    if (side_ == Side::New) {
      s.NewTime = facts_.time;
      s.NewSize = facts_.size;
      s.NewCRC = checksum;
      s.NewAttr = 0;
      s.NewAlias = -1;
    } else {
      s.OldTime = facts_.time;
      s.OldSize = facts_.size;
      s.OldCRC = checksum;
      s.OldAttr = 0;
      s.OldAlias = -1;
    }
  }

  Comparison& c_;
  Side side_;
  TextLineReader& lines_;
  std::uint64_t size_;
  const SnapshotLayout& layout_;
  const std::string& path_;
  bool sixteenBitKinds_ = false;
  static constexpr std::uint64_t kProgressStepBytes = 16 * 1024;
  bool started_ = false;
  std::uint64_t lastProgressBytes_ = 0;
  std::string line_;
  SnapshotLineFacts facts_;
};

}  // namespace

void ReadSnapshotFrom(Comparison& c, Side side, platform::FileReader& reader, std::uint64_t size,
                      const std::string& path) {
  TextLineReader lines(reader);
  std::string line;
  const auto readLine = [&](bool stopAtCut = false) {
    const bool read = lines.ReadLine(line, stopAtCut);
    if (!read && lines.Failed()) throwReadError(path);
    return read;
  };
  readLine(true);
  if (lines.LastLineCut() || (line != kSnapshotHeader && line != kSnapshotHeaderAlternative))
    throw eSnpHeader("Can't find Snapshot header ([Pelto LIST]/[Quorvane Snapshot]) in first line");

  readLine();
  if (!readLine()) line.clear();
  const std::optional<int> version = SnapshotVersion(line);
  if (!version) throw eSnpError(snapshotErrorText(side, " (bad version number : " + line.substr(0, 80) + ")."));
  const SnapshotLayout& layout = LayoutOfVersion(*version);

  for (;;) {
    if (!readLine()) throw eSnpError(snapshotErrorText(side, ".\r(no file ?)"));
    if (line.find("--- ") != std::string::npos) break;
  }

  SnapshotEntryReader entries(c, side, lines, size, layout, path);
  using Result = SnapshotEntryReader::Result;
  Result result = entries.Next();
  if (result == Result::EndOfFile) throw eSnpError(snapshotErrorText(side, " (no ending line)."));
  const Settings& settings = c.settings;
  RunStats& stats = c.State.Stats;
  while (result == Result::Entry && !c.Aborted()) {
    ScanRecord& s = c.Scan;
    bool used = true;
    if (s.Path.find('\\') != std::string::npos) {
      c.State.SubdirectoriesWarning = true;
      used = settings.Recurse;
    }
    const std::uint64_t entrySize = side == Side::New ? s.NewSize : s.OldSize;
    if (used) {
      s.Path = RewritePath(s.Path, settings);
      AddFile(c, side);
    }
    stats.BytesRead += static_cast<double>(entrySize);
    do {
      result = entries.Next();
    } while (result == Result::Dashes && !c.Aborted());
  }
}

void ReadSnapshotSet(Comparison& c, Side side) {
  const std::string& path = c.Set(side).Root;
  std::uint64_t size = 0;
  {
    platform::RandomAccessFile probe;
    if (!probe.open(path)) throw eSnpOpen("Error opening " + path);
    size = probe.size();
  }
  platform::FileReader reader;
  if (!reader.open(path)) throw eSnpOpen("Error opening " + path);
  ReadSnapshotFrom(c, side, reader, size, path);
}

}  // namespace quorvane
