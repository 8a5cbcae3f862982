#pragma once
// The sort command: a "Sort by" menu item or a click on a column header. Changes: the
// display index's sort kind, type and direction (the same type again reverses it), the
// Sort by menu state, and the display index, rebuilt by the filter pass in the new order.
// Raises resultsChanged and commandsChanged. A kind or tag outside its range, or a call
// while a run is in progress, changes nothing and raises nothing.
#include "program/program.h"

namespace quorvane {

// A column header: sort kind 0..9 of the current mode.
void SortBy(Program& program, int kind);

// A "Sort by" menu item, tag 1..11.
void SortByMenuItem(Program& program, int tag);

}  // namespace quorvane
