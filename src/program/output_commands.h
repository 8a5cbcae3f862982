#pragma once
// Save Diff report, Print Diff report, Save New/Old set as snapshot or batch file. The
// side notes come from the set selection, the printer from the user interface.
// Changes: the target file (or a print job); RunState::ResultsSaved when the output was
// written completely. Raises no notice. Messages (overwrite question, an output that
// cannot be opened or written) are the writers'.
#include <string>

#include "program/program.h"
#include "reports/set_listing.h"

namespace quorvane {

// The diff report to target, a file path or "[Printer]". True when written completely.
bool SaveDiffReport(Program& program, const std::string& target, bool append = false);
bool PrintDiffReport(Program& program);

// One side of the file list as a snapshot or a batch file.
ListingOutcome SaveSetListing(Program& program, ListingKind kind, const std::string& target, bool append = false);

}  // namespace quorvane
