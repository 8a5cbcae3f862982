#pragma once
// The program's end, and the question asked before it.
#include <string>

#include "engine/errors.h"
#include "program/program.h"

namespace quorvane {

// Ends the program: with no message the exit save runs (unless kind is Quiet, and only
// when the main window exists); with a message the message is shown. Sets program.ended
// and program.exitCode; the front end then leaves its event loop (or main returns):
//  - automatic mode: 1 when the run or its output failed or the run could not compare
//    everything (comparison.Problems), 0 in snapshot mode or when every
//    displayed entry is Identical, else 2;
//  - otherwise 1 for an error end, 0 for a normal one.
// A second call does nothing.
void Termine(Program& program, const std::string& message, ExitKind kind);

// "The Diff or Snapshot currently in memory..." asked when unsaved results exist; true
// when the program may close.
bool QuitPrompt(Program& program);

}  // namespace quorvane
