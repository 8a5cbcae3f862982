#pragma once
// The one Retry / Skip / Skip all / Abort loop around a file step that can fail (open,
// read, write, delete, ...). Every file operation goes through it instead of writing
// the loop out again.
#include <string>
#include <string_view>

#include "platform/os_error_text.h"
#include "platform/user_interface.h"

namespace quorvane {

enum class RetryResult {
  Done,     // the step succeeded (at once or after Retry)
  Skipped,  // "&Skip", "Skip &all", or skipped silently because skip-all was already on
  Aborted,  // Abort: the program's abort flag is set
};

// What the "Choose an action" window shows after a failed attempt: text + name on the
// message line, path below it, and the caption of the button that tries again.
struct RetryPrompt {
  std::string_view text;  // e.g. "Error opening : "
  std::string_view name;  // appended to text; may be empty
  std::string_view path;  // the full path
  std::string_view primaryCaption = "&Retry";
  std::string_view reason = {};  // the system's reason for the failure, when the caller has it
};

enum class RetryChoice { Retry, Skip, Abort };

// After a failed attempt: Skip at once when skipAll is on; otherwise asks. "Skip &all"
// skips and sets skipAll; Abort calls ui.requestAbort().
RetryChoice AskAfterFailure(platform::UserInterface& ui, bool& skipAll, const RetryPrompt& prompt);

// Calls attempt() (returning true on success) until it succeeds, the user skips, or the
// user aborts. skipAll is the flag that "Skip &all" sets and that skips without asking
// (SkipAllFiles for reading sets; the run's own flags for file operations).
template <typename Attempt>
RetryResult RetryFileStep(platform::UserInterface& ui, bool& skipAll, const RetryPrompt& prompt, Attempt&& attempt) {
  for (;;) {
    if (attempt()) return RetryResult::Done;
    switch (AskAfterFailure(ui, skipAll, prompt)) {
      case RetryChoice::Retry: break;
      case RetryChoice::Skip: return RetryResult::Skipped;
      case RetryChoice::Abort: return RetryResult::Aborted;
    }
  }
}

// The same for an attempt that returns 0 on success or the errno of its failure: the
// prompt shows the system's reason for the failure just met.
template <typename Attempt>
RetryResult RetryFileStepWithReason(platform::UserInterface& ui, bool& skipAll, RetryPrompt prompt, Attempt&& attempt) {
  for (;;) {
    const int error = attempt();
    if (error == 0) return RetryResult::Done;
    const std::string reason = platform::osErrorText(error);
    prompt.reason = reason;
    switch (AskAfterFailure(ui, skipAll, prompt)) {
      case RetryChoice::Retry: break;
      case RetryChoice::Skip: return RetryResult::Skipped;
      case RetryChoice::Abort: return RetryResult::Aborted;
    }
  }
}

}  // namespace quorvane
