#pragma once
#include "engine/comparison.h"

namespace quorvane {

// Recomputes the final Identical bit, counts the statuses into RunStats and rebuilds the
// display index in the current sort order.
void ApplyFilter(Comparison& c);

}  // namespace quorvane
