#pragma once
// What the comparison run needs from the set sources: reading one side (dispatched on
// its set kind) and checking before reading that it can be read.
#include <string>

#include "engine/comparison.h"

namespace quorvane {

class SetReaders {
 public:
  virtual ~SetReaders() = default;
  // Reads the side's set into c through AddFile. Errors travel as Exception subclasses.
  virtual void ReadSet(Comparison& c, Side side) = 0;
  // Called before the other side is read: starts reading this side on another thread
  // when the reader can, for ReadSet to deliver later exactly as if read then.
  virtual void ReadAhead(Comparison&, Side) {}
  // Stops and forgets what is being read ahead (the run ends before that side is read).
  // Never throws; the reading thread has ended when it returns.
  virtual void DropReadAhead() noexcept {}
};

// The problem that stops the side's set from being read, or "" when it can be read.
std::string SetValidationError(const Comparison& c, Side side);

// Repeats the check until it passes (true) or the user answers Abort to
// "Please select an option :" (false; the abort flag is then set).
bool ValidateSet(Comparison& c, Side side);

}  // namespace quorvane
