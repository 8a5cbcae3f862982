#include "platform/headless_user_interface.h"

#include <iostream>

namespace quorvane::platform {

namespace {

// Message texts use "\r" and "\r\n" as line breaks; a terminal wants "\n".
std::string forTerminal(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\r') {
      out += '\n';
      if (i + 1 < text.size() && text[i + 1] == '\n') ++i;
    } else {
      out += text[i];
    }
  }
  return out;
}

const char* kindWord(MessageKind k) {
  switch (k) {
    case MessageKind::Error: return "Error";
    case MessageKind::Warning: return "Warning";
    case MessageKind::Information: return "Information";
    case MessageKind::Confirmation: return "Confirmation";
  }
  return "";
}

const char* answerWord(Answer a) {
  switch (a) {
    case Answer::Ok: return "OK";
    case Answer::Cancel: return "Cancel";
    case Answer::Yes: return "Yes";
    case Answer::No: return "No";
    case Answer::Abort: return "Abort";
    case Answer::Retry: return "Retry";
  }
  return "";
}

}  // namespace

HeadlessUserInterface::HeadlessUserInterface(std::ostream* diagnostics) : diagnostics_(diagnostics) {}
HeadlessUserInterface::HeadlessUserInterface() : diagnostics_(&std::cerr) {}

Answer HeadlessUserInterface::safeDefault(MessageButtons buttons) {
  switch (buttons) {
    case MessageButtons::Ok: return Answer::Ok;
    case MessageButtons::AbortRetry: return Answer::Abort;
    case MessageButtons::YesNo: return Answer::No;
    case MessageButtons::OkCancel:
    case MessageButtons::YesNoCancel:
    case MessageButtons::YesCancel:
    case MessageButtons::RetryCancel:
    case MessageButtons::Cancel: return Answer::Cancel;
  }
  return Answer::Cancel;
}

Answer HeadlessUserInterface::message(std::string_view text, MessageKind kind, MessageButtons buttons) {
  const Answer a = answerFor(buttons);
  if (diagnostics_) {
    *diagnostics_ << "quorvane: " << kindWord(kind) << ": " << forTerminal(text);
    if (buttons != MessageButtons::Ok) *diagnostics_ << " [" << answerWord(a) << "]";
    *diagnostics_ << '\n';
  }
  return a;
}

Answer HeadlessUserInterface::messageAbout(std::string_view text, MessageKind kind, MessageButtons buttons,
                                          const MessageSubject& subject) {
  const Answer a = message(text, kind, buttons);
  if (diagnostics_ && !subject.path.empty()) {
    *diagnostics_ << "quorvane:   " << subject.path;
    if (!subject.reason.empty()) *diagnostics_ << ": " << subject.reason;
    *diagnostics_ << '\n';
  }
  return a;
}

FileAction HeadlessUserInterface::askFileAction(std::string_view text, std::string_view path, std::string_view,
                                                std::string_view, std::string_view reason) {
  const FileAction a = fileActionAnswer();
  if (diagnostics_) {
    *diagnostics_ << "quorvane: " << forTerminal(text) << ' ' << path;
    if (!reason.empty()) *diagnostics_ << ": " << reason;
    *diagnostics_ << '\n';
  }
  return a;
}

}  // namespace quorvane::platform
