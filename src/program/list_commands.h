#pragma once
// The commands on the loaded results: Check moved files, Remove from list, Copy. None of
// them reads a set again. Each does nothing while a run is in progress.
#include <cstdint>
#include <string>
#include <vector>

#include "program/program.h"

namespace quorvane {

// "Check moved files": moved-file detection on the loaded file list (not on a snapshot
// run's entries). Changes: the entries' moved links, RunStats::MovedCount,
// RunState::MovedFilesDone; tells the user how many pairs it found (outside automatic
// mode). Raises resultsChanged when the pass ran (the grid repaints). Returns whether it ran.
bool CheckMovedFiles(Program& program);

// "Remove from list": drops the given grid rows (display-index positions; out of range or
// repeated ones are ignored) from the display index, never from the file list. Changes:
// the display index, the shown counts, the command state (an emptied display hides the
// grid, with its message). Raises resultsChanged and commandsChanged.
void RemoveRows(Program& program, std::vector<std::int32_t> rows);

// The side of the grid the selected columns lie on.
enum class SelectedSide { None, New, Old };

// "Copy": the text for the clipboard, the paths of the selected rows from top to bottom,
// each followed by CR LF, as the grid shows them. Rows whose file is missing on the
// selected side are left out (Deleted ones for New, Inserted ones otherwise; none in
// snapshot mode); out-of-range and repeated rows are ignored. When no path is taken it
// shows the warning "No file selected - nothing copied to clipboard" and returns "".
// Changes nothing; raises nothing. The window puts the text on the clipboard.
std::string CopyPaths(Program& program, std::vector<std::int32_t> rows, SelectedSide side);

}  // namespace quorvane
