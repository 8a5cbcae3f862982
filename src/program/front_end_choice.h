#pragma once
// Which front end a start needs: the headless program, or the window.
#include <string>
#include <vector>

namespace quorvane {

enum class FrontEnd {
  Headless,  // help, version, or the automatic mode with its sets given: no display needed
  Window,
};

// Reads the settings file and the command line as start-up will, without changing
// anything: the automatic mode (-A or AutoMode) with both sets given (one in snapshot
// mode), a help or version request, and a command-line error in the automatic mode run
// headless; everything else, including the automatic mode with a set missing, opens the
// window.
FrontEnd ChooseFrontEnd(const std::vector<std::string>& args);

}  // namespace quorvane
