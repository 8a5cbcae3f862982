#pragma once
// Start-up (DoInits): the settings, the command line, the windows' steps through the user
// interface, the sets named on the command line and, when asked, the first run.
#include <string>
#include <vector>

#include "program/program.h"

namespace quorvane {

inline constexpr const char* kCurrentBuild = "February 21, 2005";

// The delayed initialisation, steps in order; in automatic mode with the sets given it
// also runs the comparison, writes the result and ends through Termine. Returns with
// program.ended set when the program is to end (program.exitCode). A FatalError of the
// first run passes through (the caller's RunGuarded ends the program).
void DoInits(Program& program, const std::vector<std::string>& args);

}  // namespace quorvane
