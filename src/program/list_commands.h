#pragma once
// The commands on the loaded results: Check moved files, Remove from list, Copy. None of
// them reads a set again. Each does nothing while a run is in progress.
#include <cstdint>
#include <functional>
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

// "C&opy" and "&Copy to Clipboard": the text of CopyPaths handed to put, which puts it on
// the clipboard and says whether that worked; when it did not, shows the error "Error
// during copy to clipboard". Returns whether text reached the clipboard.
bool CopyToClipboard(Program& program, std::vector<std::int32_t> rows, SelectedSide side,
                     const std::function<bool(const std::string&)>& put);

// "St&atus...": the status window with the figures of the last run. Changes nothing.
void ShowComparisonStatus(Program& program);

// The sum of the two filter masks (IFilter + XFilter) that the options dialog may change.
std::uint32_t FilterMaskSum(const Program& program);

// After the options dialog closed: when results are loaded and FilterMaskSum differs from
// the sum before the dialog, the display index is rebuilt by a filter pass. Raises
// resultsChanged and commandsChanged in any case (the grid takes the new colours and
// layout).
void OptionsClosed(Program& program, std::uint32_t filterMaskSumBefore);

}  // namespace quorvane
