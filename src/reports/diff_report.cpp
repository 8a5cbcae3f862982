#include "reports/diff_report.h"

#include "engine/line_safe_text.h"
#include "engine/value_text.h"
#include "reports/diff_report_lines.h"
#include "reports/output_target.h"
#include "reports/printer_setup.h"
#include "reports/structured_report.h"

namespace quorvane {

namespace {

constexpr std::string_view kOpenError = "Error writing to :\r";

std::vector<std::string> textsOf(const SortedTextList& list) { return list.Items(); }

DiffHeaderFacts headerFacts(const Comparison& c, const DiffReportOptions& options, bool filtering) {
  DiffHeaderFacts f;
  f.newKind = c.State.NewSet.Kind;
  f.oldKind = c.State.OldSet.Kind;
  f.newPath = NetworkForm(c.State.NewSet.Root);
  f.oldPath = NetworkForm(c.State.OldSet.Root);
  f.newNote = options.NewSideNote;
  f.oldNote = options.OldSideNote;
  f.includeMask = c.Masks.Include.MaskText();
  for (std::size_t i = 0; i < c.Masks.ExclusionCount; ++i) f.excludeMasks.push_back(c.Masks.Exclusions[i].MaskText());
  f.includeDirs = textsOf(c.IncludeDirs);
  f.excludeDirs = textsOf(c.ExcludeDirs);
  f.subdirectoriesWarning = c.State.SubdirectoriesWarning;
  f.filtering = filtering;
  f.iFilter = c.Files.IFilter;
  f.xFilter = c.Files.XFilter;
  f.generatedOn = options.Now ? options.Now() : LocalNow();
  f.fileCount = static_cast<std::uint64_t>(c.Files.Count());
  f.filesListed = filtering ? static_cast<std::uint64_t>(c.Display.Count()) : f.fileCount;
  return f;
}

}  // namespace

bool WriteDiffReport(Comparison& c, const std::string& target, const DiffReportOptions& options) {
  const Settings& s = c.settings;
  platform::UserInterface& ui = c.ui;
  ui.clearAbort();
  WriterProgress progress(ui, options.Ticks);
  const bool toPrinter = IsPrinterTarget(target);
  const bool filtering = toPrinter ? s.FilterPrint : s.FilterSave;
  const bool structured = options.Format != ReportFormat::Text && !toPrinter;

  OpenedOutput opened = OpenOutput(target, options.AppendOutput, s, ui, options.Printer,
                                   {"Differences file was not saved", kOpenError}, "Quorvane DIFF report",
                                   structured ? "\n" : "\r\n");
  if (!opened.output) return false;
  TextOutput& out = *opened.output;

  if (toPrinter) {
    progress.Open("Printing", opened.printerName, "...");
  } else {
    progress.Open("Saving", SavingStatus(target), "...");
  }
  progress.ShowPercentText(true);

  const StyleSet styles = PrintStyles(s);
  const DiffLineFormat format{s, c.State.CurrentChecksumKind, toPrinter ? &styles : nullptr};
  const ReportMasks masks = ReportMasks::For(filtering, c.Files.IFilter, c.Files.XFilter);
  bool written = true;
  const std::unique_ptr<StructuredReport> form =
      structured ? MakeStructuredReport(options.Format, out, {s, c.State.CurrentChecksumKind}) : nullptr;

  if (form) {
    written = form->Begin(headerFacts(c, options, filtering));
  } else if (!s.Batch) {
    for (const std::string& line : DiffHeaderLines(headerFacts(c, options, filtering), s)) {
      if (!(written = out.WriteLine(line))) break;
    }
  }

  const std::int32_t count = c.Files.Count();
  constexpr std::int32_t kAhead = 16;
  std::vector<TextPart> parts;
  bool aborted = false;
  for (std::int32_t i = 0; i < count && written; ++i) {
    if (progress.Step(static_cast<std::uint64_t>(i), static_cast<std::uint64_t>(count))) {
      aborted = true;
      break;
    }
    // Entries lie in memory in reading order, not in key order: fetch ahead.
    if (i + kAhead < count) c.Files.PrefetchEntry(i + kAhead, true);
    if (i + kAhead / 2 < count) c.Files.PrefetchRecord(i + kAhead / 2);
    const FileEntry& e = c.Files.ItemAt(i);
    if (!masks.Reports(e.Status)) continue;
    const FileEntry* partner =
        e.MovedPartner >= 0 && e.MovedPartner < count ? &c.Files.ItemAt(e.MovedPartner) : nullptr;
    if (form) {
      written = form->Entry(e, static_cast<std::uint16_t>(e.Status & masks.shown), partner);
      continue;
    }
    if (s.Batch) {
      written = out.WriteLine(LineSafeText(e.Path()));
      continue;
    }
    DiffEntryLine(e, static_cast<std::uint16_t>(e.Status & masks.shown), partner, format, parts);
    written = out.WriteLine(parts);
  }

  if (written && !aborted && form) {
    const auto& counts = filtering ? c.State.Stats.ShownCounts : c.State.Stats.StatusCounts;
    written = form->End(counts, static_cast<std::uint64_t>(filtering ? c.Display.Count() : count));
  } else if (written && !aborted && !s.Batch) {
    written = out.WriteLine(DiffUnderline(s));
    if (written && s.DiffAppendStatus) {
      const auto& counts = filtering ? c.State.Stats.ShownCounts : c.State.Stats.StatusCounts;
      const std::uint64_t compared = static_cast<std::uint64_t>(filtering ? c.Display.Count() : count);
      for (const std::string& line : DiffStatisticsLines(counts, compared)) {
        if (!(written = out.WriteLine(line))) break;
      }
    }
  }
  // Closed before the outcome is shown: a file system may report a failed write only
  // now, and a report that did not reach the disk whole must not count as saved.
  written = out.Close() && written;

  const bool complete = written && !aborted;
  if (complete) c.State.ResultsSaved = true;
  if (!written) {
    ui.messageAbout(std::string(kOpenError) + target, platform::MessageKind::Error, platform::MessageButtons::Ok,
                    {target, out.FailureReason()});
  }
  progress.Close(aborted ? "Operation interrupted by user." : written ? "Operation complete." : "Operation not complete.",
                 complete, s.AutoMode, s.CloseProgressDlg);
  return complete;
}

}  // namespace quorvane
