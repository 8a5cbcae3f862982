#include "app/automatic_writers.h"

#include "reports/diff_report.h"
#include "reports/set_listing.h"

namespace quorvane {

namespace {

std::string noteOf(const SetSelection* selection, Side side) {
  return selection ? selection->Selection(side).Note : std::string();
}

}  // namespace

bool AutomaticWriters::WriteDiffReport(Comparison& c, const std::string& target, bool append) {
  DiffReportOptions options;
  options.NewSideNote = noteOf(selection_, Side::New);
  options.OldSideNote = noteOf(selection_, Side::Old);
  options.AppendOutput = append;
  options.Printer = printer_;
  return quorvane::WriteDiffReport(c, target, options);
}

bool AutomaticWriters::WriteSnapshot(Comparison& c, const std::string& target, bool append) {
  ListingOptions options;
  options.newSideNote = noteOf(selection_, Side::New);
  options.oldSideNote = noteOf(selection_, Side::Old);
  options.append = append;
  options.printer = printer_;
  return WriteSetListing(c, target, ListingKind::NewSnapshot, options) == ListingOutcome::Complete;
}

}  // namespace quorvane
