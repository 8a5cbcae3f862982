#include "platform/headless_user_interface.h"

#include <algorithm>
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
    case MessageButtons::RetryCancel: return Answer::Cancel;
  }
  return Answer::Cancel;
}

Answer HeadlessUserInterface::message(std::string_view text, MessageKind kind, MessageButtons buttons) {
  asked_.push_back({std::string(text), {}, kind, buttons, false, {}});
  Answer a = safeDefault(buttons);
  if (!answers_.empty()) {
    a = answers_.front();
    answers_.pop_front();
  }
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
  asked_.back().subject = subject;
  if (diagnostics_ && !subject.path.empty()) {
    *diagnostics_ << "quorvane:   " << subject.path;
    if (!subject.reason.empty()) *diagnostics_ << ": " << subject.reason;
    *diagnostics_ << '\n';
  }
  return a;
}

FileAction HeadlessUserInterface::askFileAction(std::string_view text, std::string_view path, std::string_view,
                                                std::string_view) {
  asked_.push_back({std::string(text), std::string(path), MessageKind::Confirmation, MessageButtons::Ok, true, {}});
  FileAction a = FileAction::Skip;
  if (!fileActions_.empty()) {
    a = fileActions_.front();
    fileActions_.pop_front();
  }
  if (diagnostics_) *diagnostics_ << "quorvane: " << forTerminal(text) << ' ' << path << '\n';
  return a;
}

void HeadlessUserInterface::showStatusWindow(const StatusSummary& summary) {
  statusShown_ = true;
  summary_ = summary;
}

void HeadlessUserInterface::busyShow(std::string_view text) {
  ++busyShows_;
  busyVisible_ = true;
  busyTexts_.emplace_back(text);
  busyBars_.push_back(0);
}

std::uint8_t HeadlessUserInterface::chooseFileType() {
  asked_.push_back({"Choose file type", {}, MessageKind::Confirmation, MessageButtons::OkCancel, false, {}});
  if (fileTypes_.empty()) return 0;
  const std::uint8_t kind = fileTypes_.front();
  fileTypes_.pop_front();
  return kind;
}

void HeadlessUserInterface::printProgressOpen(std::string_view caption, std::string_view status,
                                              std::string_view status2) {
  ++printProgress_.opens;
  printProgress_.visible = true;
  printProgress_.closedModally = false;
  printProgress_.caption = caption;
  printProgress_.status = status;
  printProgress_.status2.assign(1, std::string(status2));
  printProgress_.bars.assign(1, 0);
}

void HeadlessUserInterface::printProgressClose(bool showModal) {
  printProgress_.visible = false;
  printProgress_.closedModally = showModal;
}

void HeadlessUserInterface::pumpMessages() {
  ++pumps_;
  if (onPump) onPump();
}

}  // namespace quorvane::platform
