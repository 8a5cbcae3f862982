#include "engine/progress_meter.h"

#include <cmath>
#include <cstdio>

#include "platform/tick_count.h"

namespace quorvane {

ProgressMeter::ProgressMeter(platform::UserInterface& ui, const RunStats& stats, const bool& subdirectoriesWarning)
    : clock(&platform::tickCount), ui_(ui), stats_(stats), subdirectoriesWarning_(subdirectoriesWarning) {}

void ProgressMeter::Start() {
  start_ = clock();
  pump_.Restart(start_);
  progress_.Restart(0);
}

void ProgressMeter::Pump() {
  if (pump_.Due(clock())) ui_.pumpMessages();
}

std::string ProgressMeter::Thousands(double value) {
  if (!std::isfinite(value) || value < 0 || value > 9.2e18) return "---";
  std::string digits = std::to_string(static_cast<std::uint64_t>(std::llround(value)));
  for (int at = static_cast<int>(digits.size()) - 3; at > 0; at -= 3) digits.insert(static_cast<std::size_t>(at), ",");
  return digits;
}

std::string ProgressMeter::Elapsed(std::uint64_t seconds) {
  char text[32];
  std::snprintf(text, sizeof text, "%02llu:%02llu:%02llu", static_cast<unsigned long long>(seconds / 3600),
                static_cast<unsigned long long>(seconds / 60 % 60), static_cast<unsigned long long>(seconds % 60));
  return text;
}

void ProgressMeter::Update(int percent, bool force) {
  const std::uint64_t now = clock();
  if (!progress_.Due(now)) {
    if (!force) return;
    progress_.Restart(now);
  }
  const std::uint64_t seconds = (now - start_) / 1000;
  const double kbytes = std::round(stats_.BytesRead / 1024.0);
  platform::ProgressFigures f;
  f.filesRead = Thousands(stats_.FilesFound);
  f.kbytesRead = Thousands(kbytes);
  f.elapsed = Elapsed(seconds);
  f.kbPerSec = seconds < 2 ? "0" : Thousands(std::floor(kbytes / static_cast<double>(seconds)));
  f.subdirectoriesWarning = subdirectoriesWarning_;
  ui_.progressFigures(f);
  ui_.progressBar(percent);
}

}  // namespace quorvane
