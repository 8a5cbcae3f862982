#include "reports/writer_progress.h"

#include "platform/tick_count.h"

namespace quorvane {

WriterProgress::WriterProgress(platform::UserInterface& ui, Clock clock)
    : ui_(ui), clock_(clock ? std::move(clock) : Clock(&platform::tickCount)), last_(clock_()) {}

void WriterProgress::Open(std::string_view caption, std::string_view status, std::string_view status2) {
  ui_.printProgressOpen(caption, status, status2);
  open_ = true;
}

int WriterProgress::Percent(std::uint64_t index, std::uint64_t count) {
  if (count == 0) return 0;
  const std::uint64_t percent = (index * 200 + count) / (count * 2);
  return static_cast<int>(percent > 100 ? 100 : percent);
}

bool WriterProgress::Step(std::uint64_t index, std::uint64_t count) {
  const std::uint64_t now = clock_();
  if (now - last_ > kRefreshMs) {
    last_ = now;
    const int percent = Percent(index, count);
    if (open_) {
      ui_.printProgressBar(percent);
      if (percentText_) ui_.printProgressStatus2(std::to_string(percent) + "% completed...");
    }
    ui_.pumpMessages();
  }
  return ui_.abortRequested();
}

void WriterProgress::Close(std::string_view outcome, bool complete, bool automaticMode, bool closeProgressDlg) {
  if (!open_) return;
  if (complete) ui_.printProgressBar(100);
  ui_.printProgressStatus2(outcome);
  ui_.printProgressClose(!automaticMode && !closeProgressDlg);
  open_ = false;
}

std::string SavingStatus(std::string_view nativePath) {
  const std::size_t slash = nativePath.find_last_of('/');
  return "Saving " + std::string(slash == std::string_view::npos ? nativePath : nativePath.substr(slash + 1));
}

}  // namespace quorvane
