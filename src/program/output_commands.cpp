#include "program/output_commands.h"

#include <optional>

#include "reports/diff_report.h"

namespace quorvane {

namespace {

// Asks for the file to write; remembers its folder for the next save.
std::optional<std::string> chooseTarget(Program& p, std::string_view title, std::string_view extension) {
  std::optional<std::string> chosen = p.ui.chooseSaveFile(title, p.saveFolder, extension, SaveFileFilters());
  if (!chosen || chosen->empty()) return std::nullopt;
  const std::size_t slash = chosen->rfind('/');
  if (slash != std::string::npos) p.saveFolder = chosen->substr(0, slash + 1);
  return chosen;
}

}  // namespace

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

namespace quorvane {

const std::vector<std::string>& SaveFileFilters() {
  static const std::vector<std::string> filters = {"Diff files (*.DIF)", "Snapshot files (*.SNP *.LST)",
                                                   "Text files (*.TXT)", "Batch files (*.BAT)"};
  return filters;
}

bool SaveDiffReportByDialog(Program& p) {
  if (p.runInProgress) return false;
  const std::optional<std::string> target = chooseTarget(p, "Save Diff file", "DIF");
  return target && SaveDiffReport(p, *target);
}

ListingOutcome SaveSetListingByDialog(Program& p, ListingKind kind) {
  if (p.runInProgress) return ListingOutcome::NotWritten;
  const char* title = "Save New Snapshot";
  switch (kind) {
    case ListingKind::NewSnapshot: break;
    case ListingKind::OldSnapshot: title = "Save Old Snapshot"; break;
    case ListingKind::NewBatch: title = "Save New Batch"; break;
    case ListingKind::OldBatch: title = "Save Old Batch"; break;
  }
  const bool batch = kind == ListingKind::NewBatch || kind == ListingKind::OldBatch;
  const std::optional<std::string> target = chooseTarget(p, title, batch ? "BAT" : "SNP");
  return target ? SaveSetListing(p, kind, *target) : ListingOutcome::NotWritten;
}

}  // namespace quorvane
