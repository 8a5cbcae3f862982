#pragma once
// Save Diff report, Print Diff report, Save New/Old set as snapshot or batch file. The
// side notes come from the set selection, the printer from the user interface.
// Changes: the target file (or a print job); RunState::ResultsSaved when the output was
// written completely. Raises no notice. Messages (overwrite question, an output that
// cannot be opened or written) are the writers'.
#include <string>
#include <vector>

#include "config/report_format.h"
#include "program/program.h"
#include "reports/set_listing.h"

namespace quorvane {

// The diff report to target, a file path or "[Printer]", in the given form (the printer
// always gets text). True when written completely.
bool SaveDiffReport(Program& program, const std::string& target, bool append = false,
                    ReportFormat format = ReportFormat::Text);
bool PrintDiffReport(Program& program);

// One side of the file list as a snapshot or a batch file.
ListingOutcome SaveSetListing(Program& program, ListingKind kind, const std::string& target, bool append = false);

// The save dialog's filters, in this order: diff files, snapshots, text files, batch files.
const std::vector<std::string>& SaveFileFilters();
// The diff report's save dialog: the diff files, then "CSV files (*.csv)", "JSON files
// (*.json)" and "HTML files (*.html)", then the others of SaveFileFilters.
const std::vector<std::string>& DiffSaveFileFilters();

// The form a report saved to this path is written in: CSV, JSON or HTML for a name
// ending in ".csv", ".json", ".html" or ".htm" (any letter case), text otherwise.
ReportFormat ReportFormatOfPath(std::string_view path);

// "&Save Diff report...": the save dialog titled "Save Diff file", default extension
// "DIF", opened at Program::saveFolder; on OK the report is written to the chosen file
// in the form its extension names (ReportFormatOfPath; the dialog gives a name the
// extension of the filter chosen) and saveFolder becomes its folder. Cancel writes nothing. True when written completely.
bool SaveDiffReportByDialog(Program& program);

// "Save New set as Snaps&hot..", "Save New set as &batch file...", "Sa&ve Old set as
// Snapshot...", "Save Old set as batc&h file...": the save dialog titled "Save New
// Snapshot", "Save New Batch", "Save Old Snapshot" or "Save Old Batch" (default extension
// "SNP" or "BAT"), then SaveSetListing to the chosen file. Cancel gives NotWritten.
ListingOutcome SaveSetListingByDialog(Program& program, ListingKind kind);

}  // namespace quorvane
