#include "fileops/scripted_user_interface.h"

namespace quorvane::fileops {

using platform::Answer;
using platform::FileAction;

FileAction ScriptedUserInterface::fileActionAnswer() {
  if (fileActions_.empty()) return defaultFileAction;
  const FileAction a = fileActions_.front();
  fileActions_.pop_front();
  return a;
}

Answer ScriptedUserInterface::answerFor(platform::MessageButtons buttons) {
  if (answers_.empty()) return safeDefault(buttons);
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

FileAction ScriptedUserInterface::askFileAction(std::string_view text, std::string_view path,
                                                std::string_view primaryCaption, std::string_view allCaption,
                                                std::string_view reason) {
  if (onQuestion) onQuestion();
  Question q;
  q.fileAction = true;
  q.text = text;
  q.path = path;
  q.primaryCaption = primaryCaption;
  q.allCaption = allCaption;
  q.reason = reason;
  q.action = HeadlessUserInterface::askFileAction(text, path, primaryCaption, allCaption, reason);
  questions_.push_back(std::move(q));
  return questions_.back().action;
}

Answer ScriptedUserInterface::message(std::string_view text, platform::MessageKind kind,
                                      platform::MessageButtons buttons) {
  if (onQuestion) onQuestion();
  Question q;
  q.text = text;
  q.kind = kind;
  q.buttons = buttons;
  q.answer = HeadlessUserInterface::message(text, kind, buttons);
  questions_.push_back(std::move(q));
  return questions_.back().answer;
}

void ScriptedUserInterface::pumpMessages() {
  ++pumps_;
  if (onPump) onPump();
}

std::vector<ScriptedUserInterface::Question> ScriptedUserInterface::fileQuestions() const {
  std::vector<Question> out;
  for (const Question& q : questions_)
    if (q.fileAction) out.push_back(q);
  return out;
}

}  // namespace quorvane::fileops
