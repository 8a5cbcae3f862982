#pragma once
// The user interface of the headless program: no window. Every message goes to the
// diagnostic stream (standard error by default), with the answer given when the message
// asked something. Questions get the safe default: OK for a lone OK, Abort for
// Abort/Retry, No or Cancel for every other question, Skip in "Choose an action", Cancel
// in the file type chooser. The window steps of start-up and the notices do nothing.
#include <cstdint>
#include <iosfwd>
#include <memory>
#include <string_view>

#include "platform/user_interface.h"

namespace quorvane::platform {

class HeadlessUserInterface : public UserInterface {
 public:
  explicit HeadlessUserInterface(std::ostream* diagnostics);
  HeadlessUserInterface();

  // The printer "[Printer]" reaches; none by default.
  void setPrinter(std::unique_ptr<PrinterPort> printer) { printer_ = std::move(printer); }
  PrinterPort* printer() override { return printer_.get(); }

  Answer message(std::string_view text, MessageKind kind, MessageButtons buttons) override;
  // The message, then "quorvane:   <path>: <reason>" when the path is known.
  Answer messageAbout(std::string_view text, MessageKind kind, MessageButtons buttons,
                      const MessageSubject& subject) override;
  // "quorvane: <text> <path>", then ": <reason>" when the reason is known.
  FileAction askFileAction(std::string_view text, std::string_view path, std::string_view primaryCaption,
                           std::string_view allCaption, std::string_view reason) override;
  void progressOpen(const ProgressHeader&) override {}
  void progressStatus(std::string_view) override {}
  void progressCurrentPath(Side, std::string_view) override {}
  void progressCurrentFile(std::string_view) override {}
  void progressFigures(const ProgressFigures&) override {}
  void progressBar(int) override {}
  void progressButton(ProgressButton) override {}
  void progressHide() override {}
  void progressShowModal() override {}
  void showStatusWindow(const StatusSummary&) override {}
  void pumpMessages() override {}
  std::uint8_t chooseFileType() override { return fileTypeAnswer(); }
  void busyShow(std::string_view) override {}
  void busyText(std::string_view) override {}
  void busyBar(int) override {}
  void busyHide() override {}
  void printProgressOpen(std::string_view, std::string_view, std::string_view) override {}
  void printProgressBar(int) override {}
  void printProgressStatus2(std::string_view) override {}
  void printProgressClose(bool) override {}

  static Answer safeDefault(MessageButtons buttons);

 protected:
  // The answers given; a scripting double replaces them.
  virtual Answer answerFor(MessageButtons buttons) { return safeDefault(buttons); }
  virtual FileAction fileActionAnswer() { return FileAction::Skip; }
  virtual std::uint8_t fileTypeAnswer() { return 0; }

 private:
  std::ostream* diagnostics_;
  std::unique_ptr<PrinterPort> printer_;
};

}  // namespace quorvane::platform
