#include "sources/snapshot_reader.h"

#include <cmath>

#include "engine/add_file.h"
#include "engine/errors.h"
#include "engine/snapshot_header.h"
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

std::string lineText(std::uint64_t number) { return "line " + std::to_string(number); }

// A line that cannot be kept whole is not read; the run says so.
void addCutLineProblem(Comparison& c, const std::string& path, std::uint64_t number) {
  c.Problems.Add(path, lineText(number) + " is longer than " + std::to_string(TextLineReader::kMaxKeptLine) +
                           " bytes: not read");
}

// Reads forward to the next file line, leaving its facts in the scan record.
class SnapshotEntryReader {
 public:
  enum class Result { Entry, Dashes, EndOfFile };

  SnapshotEntryReader(Comparison& c, Side side, TextLineReader& lines, std::uint64_t size, const SnapshotLayout& layout,
                      SnapshotNames names, const std::string& path)
      : c_(c), side_(side), lines_(lines), size_(size), layout_(layout), names_(names), path_(path) {
    const SetKind other = c.Set(side == Side::New ? Side::Old : Side::New).Kind;
    const SetKind own = c.Set(side).Kind;
    sixteenBitKinds_ = isSixteenBitKind(own) || isSixteenBitKind(other);
  }

  Result Next() {
    progress();
    if (!c_.State.SnapshotMode) c_.Scan.Status = stInserted;
    line_.clear();
    for (;;) {
      if (beginsWithTenDashes(line_)) {
        closedAfterLastEntry_ = true;
        return Result::Dashes;
      }
      if (!lines_.ReadLine(line_)) {
        if (lines_.Failed()) throwReadError(path_);
        return Result::EndOfFile;
      }
      if (lines_.LastLineCut()) {
        addCutLineProblem(c_, path_, lines_.LinesRead());
        line_.clear();
        continue;
      }
      if (IsSnapshotNonFileLine(line_)) {
        checkCount();
        continue;
      }
      const SnapshotLineVerdict verdict = ReadSnapshotLine(line_, layout_, names_, facts_);
      if (verdict != SnapshotLineVerdict::Accepted) {
        c_.Problems.Add(path_, lineText(lines_.LinesRead()) +
                                   (verdict == SnapshotLineVerdict::NoName
                                        ? " holds no file name: not read"
                                        : " is no file line (a size or date field is not a number): not read"));
        continue;
      }
      ++acceptedSinceCount_;
      ++accepted_;
      closedAfterLastEntry_ = false;
      store();
      return Result::Entry;
    }
  }

  // At the end of the file: a listing whose last entry is not followed by the closing dash
  // line was cut short (or had lines appended that were not written by the writer).
  void Finish() {
    if (accepted_ > 0 && !closedAfterLastEntry_)
      c_.Problems.Add(path_, "no closing dash line after the last entry: the listing may be incomplete");
  }

 private:

  // ".N files listed." closes one listing: N counts the entries since the previous such
  // line (listings appended to one file count one by one).
  void checkCount() {
    const std::optional<std::uint64_t> listed = SnapshotListedCount(line_);
    if (!listed) return;
    if (*listed != acceptedSinceCount_)
      c_.Problems.Add(path_, lineText(lines_.LinesRead()) + " says " + std::to_string(*listed) + " files listed, " +
                                 std::to_string(acceptedSinceCount_) + " were read");
    acceptedSinceCount_ = 0;
  }

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
  SnapshotNames names_;
  const std::string& path_;
  std::uint64_t accepted_ = 0;
  std::uint64_t acceptedSinceCount_ = 0;
  bool closedAfterLastEntry_ = false;
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
  SnapshotNames names = SnapshotNames::Oem;
  bool sourceSeen = false;
  // Reads a header line; the first ".Source (" line tells how names are read.
  const auto readLine = [&] {
    const bool read = lines.ReadLine(line);
    if (!read && lines.Failed()) throwReadError(path);
    if (read && lines.LastLineCut()) addCutLineProblem(c, path, lines.LinesRead());
    if (read && !sourceSeen && line.rfind(".Source (", 0) == 0) {
      sourceSeen = true;
      if (SnapshotSourceIsLinuxPath(line)) names = SnapshotNames::AsStored;
    }
    return read;
  };
  // A first line that does not end within the kept maximum is no header: stop there.
  const bool first = lines.ReadLine(line, true);
  if (!first && lines.Failed()) throwReadError(path);
  if (lines.LastLineCut() || !IsSnapshotHeader(line)) throw eSnpHeader(std::string(kSnapshotHeaderMissing));

  readLine();
  if (!readLine()) line.clear();
  const std::optional<int> version = SnapshotVersion(line);
  if (!version) throw eSnpError(snapshotErrorText(side, " (bad version number : " + line.substr(0, 80) + ")."));
  const SnapshotLayout& layout = LayoutOfVersion(*version);

  for (;;) {
    if (!readLine()) throw eSnpError(snapshotErrorText(side, ".\r(no file ?)"));
    if (line.find("--- ") != std::string::npos) break;
  }

  SnapshotEntryReader entries(c, side, lines, size, layout, names, path);
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
  if (result == Result::EndOfFile) entries.Finish();
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
