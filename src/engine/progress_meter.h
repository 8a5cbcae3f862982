#pragma once
// Throttled progress and message pumping for long loops: messages are pumped at most
// every 250 ms and the progress window redrawn at most every 200 ms, both measured with
// the tick counter, so that a per-file call costs a clock read and nothing more.
#include <cstdint>
#include <functional>

#include "engine/run_state.h"
#include "platform/user_interface.h"

namespace quorvane {

// Lets an action through at most once per interval: Due is true, and the time noted, when
// more than intervalMs have passed since the time last noted.
class Throttle {
 public:
  Throttle(std::uint64_t intervalMs, std::uint64_t now) : interval_(intervalMs), last_(now) {}
  bool Due(std::uint64_t now) {
    if (now - last_ <= interval_) return false;
    last_ = now;
    return true;
  }
  void Restart(std::uint64_t now) { last_ = now; }

 private:
  std::uint64_t interval_;
  std::uint64_t last_;
};

class ProgressMeter {
 public:
  using Clock = std::function<std::uint64_t()>;

  ProgressMeter(platform::UserInterface& ui, const RunStats& stats, const bool& subdirectoriesWarning);

  void Start();        // records the run's start; the next update draws at once
  void Pump();         // pumps messages when more than 250 ms have passed
  // Redraws the figures and the bar (percent < 0: moving block) when more than 200 ms
  // have passed, or at once when forced.
  void Update(int percent, bool force = false);
  // Milliseconds since Start.
  std::uint64_t ElapsedMs() const { return clock() - start_; }

  // Formats for the window: "1,234,567"; "hh:mm:ss".
  static std::string Thousands(double value);
  static std::string Elapsed(std::uint64_t seconds);

  Clock clock;  // tests replace it

 private:
  platform::UserInterface& ui_;
  const RunStats& stats_;
  const bool& subdirectoriesWarning_;
  std::uint64_t start_ = 0;
  Throttle pump_{250, 0};
  Throttle progress_{200, 0};
};

}  // namespace quorvane
