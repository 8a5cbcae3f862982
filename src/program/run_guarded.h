#pragma once
// The one place where a fatal condition of the core (FatalError: the maximum file count)
// becomes the program's end. The headless program wraps its start-up in it; the window
// wraps every command it dispatches.
#include <utility>

#include "engine/errors.h"
#include "program/program.h"
#include "program/termine.h"

namespace quorvane {

// Calls command(); a FatalError thrown from it ends the program through Termine with the
// error's message and kind. Returns false when that happened.
template <typename Command>
bool RunGuarded(Program& program, Command&& command) {
  try {
    std::forward<Command>(command)();
    return true;
  } catch (const FatalError& error) {
    Termine(program, error.message, error.kind);
    return false;
  }
}

}  // namespace quorvane
