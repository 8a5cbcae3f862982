#pragma once
// The result writers of the automatic mode: the diff report and the New set's snapshot,
// to a file or to "[Printer]".
#include "config/set_selection.h"
#include "config/startup.h"
#include "reports/text_output.h"

namespace quorvane {

class AutomaticWriters : public ResultWriters {
 public:
  // printer may be null: "[Printer]" then cannot be opened (reported by the writers).
  explicit AutomaticWriters(PrinterPort* printer) : printer_(printer) {}
  // The side notes shown in the headers come from the set selection.
  void Attach(const SetSelection& selection) { selection_ = &selection; }

  bool WriteDiffReport(Comparison& c, const std::string& target, bool append) override;
  bool WriteSnapshot(Comparison& c, const std::string& target, bool append) override;

 private:
  const SetSelection* selection_ = nullptr;
  PrinterPort* printer_;
};

}  // namespace quorvane
