#include "program/output_commands.h"

#include <optional>

#include "engine/path_key.h"
#include "reports/diff_report.h"

namespace quorvane {

namespace {

// Asks for the file to write; remembers its folder for the next save.
std::optional<std::string> chooseTarget(Program& p, std::string_view title, std::string_view extension,
                                        const std::vector<std::string>& filters = SaveFileFilters()) {
  std::optional<std::string> chosen = p.ui.chooseSaveFile(title, p.saveFolder, extension, filters);
  if (!chosen || chosen->empty()) return std::nullopt;
  const std::size_t slash = chosen->rfind('/');
  if (slash != std::string::npos) p.saveFolder = chosen->substr(0, slash + 1);
  return chosen;
}

}  // namespace

bool SaveDiffReport(Program& p, const std::string& target, bool append, ReportFormat format) {
  if (p.runInProgress) return false;
  DiffReportOptions options;
  options.NewSideNote = p.selection.Selection(Side::New).Note;
  options.OldSideNote = p.selection.Selection(Side::Old).Note;
  options.AppendOutput = append;
  options.Printer = p.ui.printer();
  options.Format = format;
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

const std::vector<std::string>& DiffSaveFileFilters() {
  static const std::vector<std::string> filters = [] {
    std::vector<std::string> all = SaveFileFilters();
    all.insert(all.begin() + 1, {"CSV files (*.csv)", "JSON files (*.json)", "HTML files (*.html)"});
    return all;
  }();
  return filters;
}

ReportFormat ReportFormatOfPath(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  const std::size_t slash = path.rfind('/');
  if (dot == std::string_view::npos || (slash != std::string_view::npos && dot < slash)) return ReportFormat::Text;
  const std::string_view extension = path.substr(dot + 1);
  if (sameFolded(extension, "htm")) return ReportFormat::Html;
  const std::optional<ReportFormat> named = ReportFormatNamed(extension);
  return named ? *named : ReportFormat::Text;
}

bool SaveDiffReportByDialog(Program& p) {
  if (p.runInProgress) return false;
  const std::optional<std::string> target = chooseTarget(p, "Save Diff file", "DIF", DiffSaveFileFilters());
  return target && SaveDiffReport(p, *target, false, ReportFormatOfPath(*target));
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
