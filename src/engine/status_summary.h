#pragma once
// The figures of the comparison status window, taken from the comparison as it stands:
// the last run's counters and duration, the entries displayed, the file list's memory,
// the saved flag and the subdirectories warning.
#include "engine/comparison.h"
#include "platform/user_interface.h"

namespace quorvane {

platform::StatusSummary StatusSummaryOf(const Comparison& c);

}  // namespace quorvane
