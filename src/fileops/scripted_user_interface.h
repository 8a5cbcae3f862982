#pragma once
// The engine's questions answered without a window, for the automatic mode and for
// tests: "Choose an action" and message boxes take their answers from a script (then
// from a default: Skip, and the headless program's safe answer), and every question is
// kept with the answer it got. Messages still reach the diagnostic stream, if any.
#include <deque>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless_user_interface.h"

namespace quorvane::fileops {

class ScriptedUserInterface : public platform::HeadlessUserInterface {
 public:
  struct Question {
    bool fileAction = false;  // "Choose an action"; else a message box
    std::string text;
    std::string path;
    std::string primaryCaption;
    std::string allCaption;
    std::string reason;
    platform::MessageKind kind = platform::MessageKind::Confirmation;
    platform::MessageButtons buttons = platform::MessageButtons::Ok;
    platform::FileAction action = platform::FileAction::Skip;  // the answer given
    platform::Answer answer = platform::Answer::Ok;
  };

  explicit ScriptedUserInterface(std::ostream* diagnostics = nullptr) : HeadlessUserInterface(diagnostics) {}

  void scriptFileAction(platform::FileAction a) { fileActions_.push_back(a); }
  void scriptAnswer(platform::Answer a) { answers_.push_back(a); }
  // The answer of "Choose an action" once the script is used up.
  platform::FileAction defaultFileAction = platform::FileAction::Skip;
  // Runs at every pump (tests press Abort part-way through with it).
  std::function<void()> onPump;
  // Runs before every question is answered.
  std::function<void()> onQuestion;

  const std::vector<Question>& questions() const { return questions_; }
  std::size_t pumps() const { return pumps_; }
  // The file-action questions only.
  std::vector<Question> fileQuestions() const;

  platform::FileAction askFileAction(std::string_view text, std::string_view path, std::string_view primaryCaption,
                                     std::string_view allCaption, std::string_view reason) override;
  platform::Answer message(std::string_view text, platform::MessageKind kind,
                           platform::MessageButtons buttons) override;
  void pumpMessages() override;

 protected:
  platform::Answer answerFor(platform::MessageButtons buttons) override;
  platform::FileAction fileActionAnswer() override;

 private:
  std::deque<platform::FileAction> fileActions_;
  std::deque<platform::Answer> answers_;
  std::vector<Question> questions_;
  std::size_t pumps_ = 0;
};

}  // namespace quorvane::fileops
