#pragma once
// The print/save progress window as every writer (diff report, snapshot, batch file)
// drives it: opened before writing, refreshed while writing at most every 200 ms, where
// pending input is processed and so Abort is noticed, and closed with the outcome.
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>

#include "platform/user_interface.h"

namespace quorvane {

class WriterProgress {
 public:
  using Clock = std::function<std::uint64_t()>;  // milliseconds, steady
  static constexpr std::uint64_t kRefreshMs = 200;

  // Remembers the current time as the last refresh. The clock defaults to the tick count.
  explicit WriterProgress(platform::UserInterface& ui, Clock clock = {});

  // Before writing: caption "Saving" or "Printing", the two status lines; the button is
  // Abort and the window shows without blocking.
  void Open(std::string_view caption, std::string_view status, std::string_view status2);

  // With this on, every refresh also writes "<percent>% completed..." in the second
  // status line (the diff report does).
  void ShowPercentText(bool on) { percentText_ = on; }

  // After item index of count: when more than 200 ms have passed since the last refresh,
  // the bar shows index x 100 / count to the nearest integer and pending input is
  // processed. Returns whether the abort flag is set.
  bool Step(std::uint64_t index, std::uint64_t count);

  bool Aborted() const { return ui_.abortRequested(); }

  // After writing: the bar at 100 when complete, then the second status line shows the
  // outcome, the window hides, its button becomes Close and, unless in automatic mode or
  // with CloseProgressDlg, it shows again modally until the user closes it.
  void Close(std::string_view outcome, bool complete, bool automaticMode, bool closeProgressDlg);

  // The percentage of index in count, to the nearest integer (0 for an empty count).
  static int Percent(std::uint64_t index, std::uint64_t count);

 private:
  platform::UserInterface& ui_;
  Clock clock_;
  std::uint64_t last_ = 0;
  bool percentText_ = false;
  bool open_ = false;
};

// "Saving " + the file name of the path without its directory.
std::string SavingStatus(std::string_view nativePath);

}  // namespace quorvane
