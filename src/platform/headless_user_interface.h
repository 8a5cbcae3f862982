#pragma once
// The user interface of the automatic mode and of the tests: no window. Every message
// goes to the diagnostic stream (standard error by default). Questions are answered
// from a script when one is queued, else with the safe default: OK for a lone OK,
// Abort for Abort/Retry, No or Cancel for every other question, Skip in "Choose an action".
// Everything asked is recorded, so tests can check texts and order.
#include <deque>
#include <functional>
#include <iosfwd>
#include <string>
#include <vector>

#include "platform/user_interface.h"

namespace quorvane::platform {

class HeadlessUserInterface : public UserInterface {
 public:
  struct Asked {
    std::string text;
    std::string path;  // "Choose an action" only
    MessageKind kind = MessageKind::Information;
    MessageButtons buttons = MessageButtons::Ok;
    bool fileAction = false;
    MessageSubject subject;  // messageAbout only
  };

  explicit HeadlessUserInterface(std::ostream* diagnostics);
  HeadlessUserInterface();

  void scriptAnswer(Answer a) { answers_.push_back(a); }
  void scriptFileAction(FileAction a) { fileActions_.push_back(a); }
  // Runs at every pump (tests use it to press Abort part-way).
  std::function<void()> onPump;

  const std::vector<Asked>& asked() const { return asked_; }
  const std::vector<std::string>& statuses() const { return statuses_; }
  int pumpCount() const { return pumps_; }
  int progressFiguresCount() const { return figures_; }
  bool statusWindowShown() const { return statusShown_; }
  bool modalProgressShown() const { return modalShown_; }
  const StatusSummary& lastSummary() const { return summary_; }
  // The busy window: how often it was shown, whether it is up, every text and bar drawn.
  int busyShowCount() const { return busyShows_; }
  bool busyVisible() const { return busyVisible_; }
  const std::vector<std::string>& busyTexts() const { return busyTexts_; }
  const std::vector<int>& busyBars() const { return busyBars_; }

  // The print/save progress window: what it was opened with and every change after.
  struct PrintProgressLog {
    int opens = 0;
    bool visible = false;
    bool closedModally = false;  // shown again modally at the last close
    std::string caption;
    std::string status;
    std::vector<std::string> status2;  // the text at opening, then every change
    std::vector<int> bars;             // 0 at opening, then every position drawn
  };
  const PrintProgressLog& printProgress() const { return printProgress_; }

  Answer message(std::string_view text, MessageKind kind, MessageButtons buttons) override;
  // The message, then "quorvane:   <path>: <reason>" when the path is known.
  Answer messageAbout(std::string_view text, MessageKind kind, MessageButtons buttons,
                      const MessageSubject& subject) override;
  FileAction askFileAction(std::string_view text, std::string_view path, std::string_view primaryCaption,
                           std::string_view allCaption) override;
  void progressOpen(const ProgressHeader&) override {}
  void progressStatus(std::string_view status) override { statuses_.emplace_back(status); }
  void progressCurrentPath(Side, std::string_view) override {}
  void progressCurrentFile(std::string_view) override {}
  void progressFigures(const ProgressFigures&) override { ++figures_; }
  void progressBar(int) override {}
  void progressButton(ProgressButton) override {}
  void progressHide() override {}
  void progressShowModal() override { modalShown_ = true; }
  void showStatusWindow(const StatusSummary& summary) override;
  void pumpMessages() override;
  // Answers from scriptFileType, else Cancel (0).
  std::uint8_t chooseFileType() override;
  void scriptFileType(std::uint8_t kind) { fileTypes_.push_back(kind); }
  void busyShow(std::string_view text) override;
  void busyText(std::string_view text) override { busyTexts_.emplace_back(text); }
  void busyBar(int percent) override { busyBars_.push_back(percent); }
  void busyHide() override { busyVisible_ = false; }
  void printProgressOpen(std::string_view caption, std::string_view status, std::string_view status2) override;
  void printProgressBar(int percent) override { printProgress_.bars.push_back(percent); }
  void printProgressStatus2(std::string_view text) override { printProgress_.status2.emplace_back(text); }
  void printProgressClose(bool showModal) override;

  static Answer safeDefault(MessageButtons buttons);

 private:
  std::ostream* diagnostics_;
  std::deque<Answer> answers_;
  std::deque<FileAction> fileActions_;
  std::deque<std::uint8_t> fileTypes_;
  std::vector<Asked> asked_;
  std::vector<std::string> statuses_;
  StatusSummary summary_;
  int pumps_ = 0;
  int figures_ = 0;
  bool statusShown_ = false;
  bool modalShown_ = false;
  std::vector<std::string> busyTexts_;
  std::vector<int> busyBars_;
  int busyShows_ = 0;
  bool busyVisible_ = false;
  PrintProgressLog printProgress_;
};

}  // namespace quorvane::platform
