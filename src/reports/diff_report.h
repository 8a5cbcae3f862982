#pragma once
// write diff report: the result of a comparison as a text listing, to a file or to
// "[Printer]". Filtered like the screen when FilterSave (file) or FilterPrint (printer)
// is on; on the printer each part gets the style of its status from PrinterStyleSet.
// Entry lines (Batch form included) write a name's control characters as "?"; the
// header lines keep their bytes.
#include <functional>
#include <string>

#include "config/report_format.h"
#include "engine/comparison.h"
#include "platform/text_device.h"
#include "reports/writer_progress.h"
#include "sources/snapshot_format.h"

namespace quorvane {

struct DiffReportOptions {
  std::string NewSideNote;  // the side notes as held, with their two leading blanks
  std::string OldSideNote;
  bool AppendOutput = false;          // the command line asked to append to the file
  PrinterPort* Printer = nullptr;     // nullptr: no printer can be opened
  std::function<LocalDateTime()> Now;  // "Generated on"; the local clock by default
  WriterProgress::Clock Ticks;         // progress timing; the tick count by default
  // The form of a file report (the printer always gets the text report). CSV, JSON and
  // HTML list the entries the text report lists, in its order, with LF line ends.
  ReportFormat Format = ReportFormat::Text;
};

// Writes the report. Returns whether it was written completely, in which case the saved
// flag (State.ResultsSaved) is set. A declined overwrite, an output that cannot be
// opened or written, and an Abort are reported to the user and return false.
bool WriteDiffReport(Comparison& c, const std::string& target, const DiffReportOptions& options = {});

}  // namespace quorvane
