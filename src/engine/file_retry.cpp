#include "engine/file_retry.h"

#include <string>

namespace quorvane {

RetryChoice AskAfterFailure(platform::UserInterface& ui, bool& skipAll, const RetryPrompt& prompt) {
  if (skipAll) return RetryChoice::Skip;
  std::string text(prompt.text);
  text += prompt.name;
  switch (ui.askFileAction(text, prompt.path, prompt.primaryCaption, {}, prompt.reason)) {
    case platform::FileAction::Primary:
    case platform::FileAction::All:  // not offered here; read as the primary button
      return RetryChoice::Retry;
    case platform::FileAction::Skip:
      return RetryChoice::Skip;
    case platform::FileAction::SkipAll:
      skipAll = true;
      return RetryChoice::Skip;
    case platform::FileAction::Abort:
      ui.requestAbort();
      return RetryChoice::Abort;
  }
  return RetryChoice::Abort;
}

}  // namespace quorvane
