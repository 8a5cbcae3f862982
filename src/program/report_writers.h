#pragma once
// The program's result writers: the automatic mode's diff report and New set snapshot go
// through the same output commands as the window's Save and Print.
#include "program/program.h"

namespace quorvane {

class ReportWriters : public ResultWriters {
 public:
  bool WriteDiffReport(Program& program, const std::string& target, bool append) override;
  bool WriteSnapshot(Program& program, const std::string& target, bool append) override;
};

}  // namespace quorvane
