#pragma once
// The commands that run a comparison or reset it: Diff, Take Snapshot, Reset Diff, and
// the automatic mode's run with its result. While a run is in progress
// (Program::runInProgress) each of them does nothing.
#include "engine/run_comparison.h"
#include "program/program.h"

namespace quorvane {

// Runs the comparison of the current sets (New and Old, or the New set alone in snapshot
// mode). Changes: the file list, the display index, RunState (statistics, command
// state). Raises runStarted, then runEnded, resultsChanged and commandsChanged (also
// when the run aborts or fails). A FatalError passes through, after runEnded.
// Returns Aborted without running while another run is in progress.
RunOutcome RunCurrentSets(Program& program);

// Runs the comparison as RunCurrentSets does and, in automatic mode, writes the result
// (the diff report, or the New set's snapshot in snapshot mode) to OutputFile and ends
// the program through Termine. The automatic mode writes nothing unless the run
// completed, and refuses at once an output file that is one of the archive or snapshot
// sets (error message; the program ends with exit code 1).
void RunAutomaticComparison(Program& program);

// The Diff button and "Compare (do diff)": leaves snapshot mode and runs the comparison
// as RunAutomaticComparison does. Does nothing unless both sets are chosen.
void Diff(Program& program);

// "Take Snapshot...": a snapshot run of the New set.
//  - no New set: error "You must specify a NEW set of files ..."; nothing changes;
//  - results in memory: asks (Yes/Cancel) whether to snapshot the New set; on Yes both
//    sets are chosen again (as Reset Diff) and the run starts;
//  - an Old set chosen: asks (Yes/Cancel); on Yes the Old set becomes "<Empty>";
// then enters snapshot mode and runs as RunAutomaticComparison does. Returns whether a
// run started.
bool TakeSnapshot(Program& program);

// "Reset Diff": chooses the current New and then Old set again by their kinds, which
// discards the results and makes Diff available again. Raises resultsChanged and
// commandsChanged. A set that can no longer be read is reported (error message).
void ResetDiff(Program& program);

}  // namespace quorvane
