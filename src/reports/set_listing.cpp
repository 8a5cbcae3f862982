#include "reports/set_listing.h"

#include "engine/value_text.h"
#include "reports/batch_file.h"
#include "reports/output_target.h"
#include "sources/snapshot_format.h"

namespace quorvane {

namespace {

using platform::MessageButtons;
using platform::MessageKind;

bool isNewSide(ListingKind kind) { return kind == ListingKind::NewSnapshot || kind == ListingKind::NewBatch; }
bool isSnapshot(ListingKind kind) { return kind == ListingKind::NewSnapshot || kind == ListingKind::OldSnapshot; }

SnapshotHeaderFacts headerFacts(const Comparison& c, Side side, const ListingOptions& options) {
  const SetDescription& set = side == Side::New ? c.State.NewSet : c.State.OldSet;
  const Settings& s = c.settings;
  SnapshotHeaderFacts f;
  f.kind = set.Kind;
  f.source = NetworkForm(set.Root);
  f.sideNote = side == Side::New ? options.newSideNote : options.oldSideNote;
  f.includeMask = c.Masks.Include.MaskText();
  for (std::size_t i = 0; i < c.Masks.ExclusionCount; ++i) f.excludeMasks.push_back(c.Masks.Exclusions[i].MaskText());
  f.recurse = s.Recurse;
  f.noPath = s.NoPath;
  f.subdirectoriesWarning = c.State.SubdirectoriesWarning;
  f.includeDirs = c.IncludeDirs.Items();
  f.excludeDirs = c.ExcludeDirs.Items();
  f.quick = s.Quick;
  f.strip83 = s.Strip83;
  f.generatedOn = options.clock ? options.clock() : LocalNow();
  return f;
}

// Writes the line of one entry (snapshot file line or batch line); false when the write failed.
class ListingBody {
 public:
  ListingBody(Comparison& c, ListingKind kind, TextOutput& out) : c_(c), kind_(kind), out_(out) {
    const Side side = isNewSide(kind) ? Side::New : Side::Old;
    batch_ = BatchForm::FromSettings(c.settings);
    prefix_ = BatchPrefix(batch_, c.Set(side).Root);
  }

  bool Write(const FileEntry& e) {
    const bool newSide = isNewSide(kind_);
    path_.clear();
    e.AppendPath(path_);
    if (!isSnapshot(kind_)) return out_.WriteLine(BatchLine(batch_, prefix_, path_));
    const std::uint16_t cr16 = c_.State.SnapshotMode ? e.Status : 0;
    line_.clear();
    if (newSide) AppendSnapshotFileLine(line_, e.NewSize, e.NewTime, cr16, e.NewCRC, path_);
    else AppendSnapshotFileLine(line_, e.OldSize, e.OldTime, cr16, e.OldCRC, path_);
    return out_.WriteLine(line_);
  }

 private:
  Comparison& c_;
  ListingKind kind_;
  TextOutput& out_;
  BatchForm batch_;
  std::string prefix_;
  std::string line_;
  std::string path_;  // reused for every entry
};

enum class LoopEnd { Finished, Aborted, WriteFailed };

// A name holding a line break (possible on Linux) cannot be one line of a listing: in a
// snapshot it would split into garbage lines, in a batch file into a second command.
bool fitsOnALine(const FileEntry& e) {
  return e.Name().find_first_of("\r\n") == std::string_view::npos &&
         e.Directory().find_first_of("\r\n") == std::string_view::npos;
}

LoopEnd writeListing(Comparison& c, ListingKind kind, TextOutput& out, WriterProgress& progress,
                     const ListingOptions& options, std::uint64_t& unlisted) {
  const bool snapshot = isSnapshot(kind);
  const Side side = isNewSide(kind) ? Side::New : Side::Old;
  if (snapshot) {
    for (const std::string& line : SnapshotHeaderLines(headerFacts(c, side, options)))
      if (!out.WriteLine(line)) return LoopEnd::WriteFailed;
  }
  const ListingMask mask(side == Side::New, c.State.SnapshotMode, c.Files.IFilter, c.Files.XFilter);
  ListingBody body(c, kind, out);
  const std::int32_t count = c.Files.Count();
  std::uint64_t listed = 0;
  for (std::int32_t i = 0; i < count; ++i) {
    const FileEntry& e = c.Files.ItemAt(i);
    if (mask.Lists(e.Status) && !fitsOnALine(e)) {
      ++unlisted;
      c.Problems.Add(std::string(e.Path()), snapshot ? "left out of the snapshot: the name holds a line break"
                                                     : "left out of the batch file: the name holds a line break");
    } else if (mask.Lists(e.Status)) {
      if (!body.Write(e)) return LoopEnd::WriteFailed;
      ++listed;
    }
    // The progress throttles by time; asking it every 64 entries spares a clock read per
    // line. The abort flag changes only while it pumps messages, so nothing is missed.
    if (((i & 63) == 63 || i + 1 == count) &&
        progress.Step(static_cast<std::uint64_t>(i) + 1, static_cast<std::uint64_t>(count)))
      return LoopEnd::Aborted;
  }
  if (snapshot && (!out.WriteLine(kSnapshotDashLine) || !out.WriteLine(SnapshotCountLine(listed))))
    return LoopEnd::WriteFailed;
  return LoopEnd::Finished;
}

}  // namespace

ListingOutcome WriteSetListing(Comparison& c, const std::string& target, ListingKind kind,
                               const ListingOptions& options) {
  platform::UserInterface& ui = c.ui;
  const Settings& s = c.settings;
  ui.clearAbort();
  static constexpr std::string_view kOpenError = "Error writing :\r";
  const OpenedOutput opened =
      OpenOutput(target, options.append, s, ui, options.printer, {"File was not saved.", kOpenError},
                 isSnapshot(kind) ? "Quorvane snapshot" : "Quorvane batch file");
  if (!opened.output) return ListingOutcome::NotWritten;
  TextOutput& out = *opened.output;
  WriterProgress progress(ui, options.progressClock);
  if (opened.printer) progress.Open("Printing", opened.printerName, "Work in progress");
  else progress.Open("Saving", SavingStatus(target), "...");

  std::uint64_t unlisted = 0;
  LoopEnd end = writeListing(c, kind, out, progress, options, unlisted);
  // Closing flushes the file: a failure there means the listing did not reach the disk.
  if (!out.Close() && end == LoopEnd::Finished) end = LoopEnd::WriteFailed;

  ListingOutcome outcome = ListingOutcome::Complete;
  switch (end) {
    case LoopEnd::Finished:
      c.State.ResultsSaved = true;
      progress.Close("Operation complete.", true, s.AutoMode, s.CloseProgressDlg);
      break;
    case LoopEnd::Aborted:
      outcome = ListingOutcome::Aborted;
      progress.Close("Operation aborted by user.", false, s.AutoMode, s.CloseProgressDlg);
      break;
    case LoopEnd::WriteFailed:
      outcome = ListingOutcome::NotComplete;
      ui.messageAbout(std::string(kOpenError) + target, MessageKind::Error, MessageButtons::Ok,
                      {target, out.FailureReason()});
      progress.Close("Operation not complete.", false, s.AutoMode, s.CloseProgressDlg);
      break;
  }
  if (unlisted > 0) {
    ui.message(std::to_string(unlisted) + " file(s) not listed : their names hold a line break.", MessageKind::Warning,
               MessageButtons::Ok);
  }
  return outcome;
}

}  // namespace quorvane
