#pragma once
// Moved-file detection on the current file list: the pass run at the end of a comparison
// when CheckMovedFiles is on, and the Check moved files command.
#include "engine/comparison.h"

namespace quorvane {

inline constexpr std::int32_t kMovedBusyThreshold = 1024;  // busy window above this many entries

// The pass: reads the three MovedFiles options, clears earlier links when it already ran
// on this list, pairs entries (moved_pairing.h) into MovedCount, sets MovedFilesDone and,
// unless in automatic mode, tells the user how many pairs it found. Statuses, the filter
// and the display index are left alone. Shows the busy window above 1024 entries.
void CheckMovedFiles(Comparison& c);

// The menu command: the pass, except on the entries of a snapshot run (their Status holds
// a CRC-16). Returns whether the pass ran, in which case the window repaints the grid.
bool CheckMovedFilesCommand(Comparison& c);

}  // namespace quorvane
