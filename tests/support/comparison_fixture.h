#pragma once
// A comparison with its own settings record and recording user interface: the base of the
// tests that drive the engine, the readers and the writers directly.
#include <iosfwd>

#include "settings/settings.h"
#include "engine/comparison.h"
#include "support/recording_user_interface.h"

namespace quorvane::test {

struct ComparisonFixture {
  ComparisonFixture() : c(settings, ui) {}
  // diagnostics: where the interface writes its messages; nullptr keeps them quiet.
  explicit ComparisonFixture(std::ostream* diagnostics) : ui(diagnostics), c(settings, ui) {}

  Settings settings;
  RecordingUserInterface ui;
  Comparison c;
};

}  // namespace quorvane::test
