#include "program/output_commands.h"

#include "reports/diff_report.h"

namespace quorvane {

bool SaveDiffReport(Program& p, const std::string& target, bool append) {
  if (p.runInProgress) return false;
  DiffReportOptions options;
  options.NewSideNote = p.selection.Selection(Side::New).Note;
  options.OldSideNote = p.selection.Selection(Side::Old).Note;
  options.AppendOutput = append;
  options.Printer = p.ui.printer();
  return WriteDiffReport(p.comparison, target, options);
}

bool PrintDiffReport(Program& p) { return SaveDiffReport(p, std::string(kPrinterTarget)); }

ListingOutcome SaveSetListing(Program& p, ListingKind kind, const std::string& target, bool append) {
  if (p.runInProgress) return ListingOutcome::NotWritten;
  ListingOptions options;
  options.newSideNote = p.selection.Selection(Side::New).Note;
  options.oldSideNote = p.selection.Selection(Side::Old).Note;
  options.append = append;
  options.printer = p.ui.printer();
  return WriteSetListing(p.comparison, target, kind, options);
}

}  // namespace quorvane
