#pragma once
// What the main window shows of the results, held as state the window reads after each
// call (CommandState): whether the grid is up, the Edit menu, the indicators. The
// window itself sets up the grid's columns and rows from the display index, restarts its
// hint timer and passes Escape to the grid when GridVisible turns on.
#include <cstdint>
#include <string>
#include <vector>

#include "engine/comparison.h"

namespace quorvane {

// An empty display index hides the grid and disables the Edit menu and, unless in
// automatic mode, tells the user why ("No file matching includes and wildcards" with an
// empty file list, else "No file matching filter" with the count in memory). Otherwise
// the grid is shown and the Edit menu enabled. Then the indicators are updated.
void ShowResults(Comparison& c);

// The main window's file count: "%d files in snapshot" in snapshot mode, else
// "%d of %d files matching filter" (shown and in memory).
std::string MatchingText(const Comparison& c);

// The "No CRC", "Filter" and "Dirs" indicators.
void UpdateIndicators(Comparison& c);

// Remove from list: drops the given rows (display-index positions, in any order; rows out
// of range or repeated are ignored) from the display index, never from the file list, and
// shows the results again. Linear in the index size.
void RemoveFromList(Comparison& c, std::vector<std::int32_t> rows);

}  // namespace quorvane
