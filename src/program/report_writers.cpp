#include "program/report_writers.h"

#include "program/output_commands.h"

namespace quorvane {

bool ReportWriters::WriteDiffReport(Program& p, const std::string& target, bool append) {
  return SaveDiffReport(p, target, append, p.commandLine.Format);
}

bool ReportWriters::WriteSnapshot(Program& p, const std::string& target, bool append) {
  return SaveSetListing(p, ListingKind::NewSnapshot, target, append) == ListingOutcome::Complete;
}

}  // namespace quorvane
