#pragma once
#include "engine/comparison.h"
#include "engine/set_reading.h"

namespace quorvane {

enum class RunOutcome {
  Completed,  // both sets read, filter applied
  Aborted,    // validation answered Abort or the user aborted: the file list is empty
  Failed,     // a reader raised an error (already shown); the list holds what was added
};

// The whole comparison run: New set, then (unless in snapshot mode) the Old set, moved
// files when asked, the filter pass. Callers set or clear snapshot mode first.
RunOutcome RunComparison(Comparison& c, SetReaders& readers);

}  // namespace quorvane
