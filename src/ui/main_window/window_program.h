#pragma once
// The program with its window: the splash, the windows created once, the delayed
// start-up from the event loop, and the event loop until the program ends.
#include <string>
#include <vector>

namespace quorvane::ui {

// Whether a window can be opened: a display server is named (X11 or Wayland), or Qt is
// told which platform to use.
bool DisplayAvailable();

// Runs the program with its window; returns the exit code.
int RunWindowProgram(int argc, char** argv, const std::vector<std::string>& args);

}  // namespace quorvane::ui
