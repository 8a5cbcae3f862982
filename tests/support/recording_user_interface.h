#pragma once
// The tests' user interface: the headless program's (messages to the diagnostic stream,
// safe answers) with scripted answers, and a record of everything the core asked, showed
// and noticed, so tests can check texts and order.
#include <deque>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "platform/headless_user_interface.h"

namespace quorvane::test {

class RecordingUserInterface : public platform::HeadlessUserInterface {
 public:
  struct Asked {
    std::string text;
    std::string path;  // "Choose an action" only
    platform::MessageKind kind = platform::MessageKind::Information;
    platform::MessageButtons buttons = platform::MessageButtons::Ok;
    bool fileAction = false;
    platform::MessageSubject subject;  // messageAbout, and the reason of "Choose an action"
  };

  explicit RecordingUserInterface(std::ostream* diagnostics) : HeadlessUserInterface(diagnostics) {}
  RecordingUserInterface() = default;

  // Answers, in order; when none is queued the safe default is given.
  void scriptAnswer(platform::Answer a) { answers_.push_back(a); }
  void scriptFileAction(platform::FileAction a) { fileActions_.push_back(a); }
  void scriptFileType(std::uint8_t kind) { fileTypes_.push_back(kind); }
  // The directory, open-file and save dialogs: each answer is a path, or nothing for
  // Cancel; with none queued the dialog is cancelled. What each dialog was opened with is
  // kept.
  void scriptDialogAnswer(std::optional<std::string> path) { dialogAnswers_.push_back(std::move(path)); }
  struct DialogOpened {
    std::string title;
    std::string startFolder;
    std::vector<std::string> filters;  // the open-file and save dialogs'
    std::string defaultExtension;      // the save dialog's
  };
  const std::vector<DialogOpened>& dialogsOpened() const { return dialogs_; }
  // The synchronization and file operations dialogs: each showing takes the next step of
  // its script, which may change the dialog's state as the user would and returns the
  // button pressed; with none queued the dialog is cancelled.
  using SyncDialogStep = std::function<platform::DialogChoice(SyncDialogModel&)>;
  using FileOpDialogStep = std::function<platform::DialogChoice(FileOpDialogModel&)>;
  void scriptSyncDialog(SyncDialogStep step) { syncSteps_.push_back(std::move(step)); }
  void scriptFileOpDialog(FileOpDialogStep step) { fileOpSteps_.push_back(std::move(step)); }
  // The directory chooser answers from the directory dialogs' answers (scriptDialogAnswer:
  // the answer becomes DirectoryName and OK is pressed) unless a step is queued here.
  using DirectoryChooserStep = std::function<platform::DialogChoice(DirectoryChooserModel&)>;
  void scriptDirectoryChooser(DirectoryChooserStep step) { chooserSteps_.push_back(std::move(step)); }
  using DirectoryListsEditorStep = std::function<platform::DialogChoice(DirectoryListsEditor&)>;
  void scriptDirectoryListsEditor(DirectoryListsEditorStep step) { editorSteps_.push_back(std::move(step)); }
  int directoryListsEditorShows() const { return editorShows_; }
  int syncDialogShows() const { return syncShows_; }
  // Input boxes: each answer is the text given on OK, or nothing for Cancel; with none
  // queued the box is cancelled. What each box showed is kept.
  void scriptInput(std::optional<std::string> answer) { inputAnswers_.push_back(std::move(answer)); }
  struct InputAsked {
    std::string title;
    std::string prompt;
    std::string text;
  };
  const std::vector<InputAsked>& inputsAsked() const { return inputs_; }
  // The user tool dialog: each showing takes the next step, which may change the fields
  // and returns OK (true) or Cancel; with none queued it is cancelled.
  using UserToolStep = std::function<bool(UserToolFields&)>;
  void scriptUserToolDialog(UserToolStep step) { userToolSteps_.push_back(std::move(step)); }
  int userToolDialogShows() const { return userToolShows_; }
  int fileOpDialogShows() const { return fileOpShows_; }
  // Runs at every pump (tests use it to press Abort part-way).
  std::function<void()> onPump;
  // Whether the main window exists (start-up's exit save and what's-new prompt).
  bool mainWindow = false;
  // The grid's name metrics; none by default.
  std::optional<platform::NameMetrics> metrics;

  const std::vector<Asked>& asked() const { return asked_; }
  const std::vector<std::string>& statuses() const { return statuses_; }
  int pumpCount() const { return pumps_; }
  int progressFiguresCount() const { return figures_; }
  bool statusWindowShown() const { return statusShown_; }
  bool modalProgressShown() const { return modalShown_; }
  const platform::StatusSummary& lastSummary() const { return summary_; }
  // The busy window: how often it was shown, whether it is up, every text and bar drawn.
  int busyShowCount() const { return busyShows_; }
  bool busyVisible() const { return busyVisible_; }
  const std::vector<std::string>& busyTexts() const { return busyTexts_; }
  const std::vector<int>& busyBars() const { return busyBars_; }
  // Start-up's window steps: splash texts, "<show main window>", "<help topic>".
  const std::vector<std::string>& windowSteps() const { return windowSteps_; }
  const std::string& caption() const { return caption_; }
  // The notices in the order raised: "results", "commands", "run started", "run ended".
  const std::vector<std::string>& notices() const { return notices_; }
  void clearNotices() { notices_.clear(); }

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

  platform::Answer message(std::string_view text, platform::MessageKind kind,
                           platform::MessageButtons buttons) override;
  platform::Answer messageAbout(std::string_view text, platform::MessageKind kind, platform::MessageButtons buttons,
                                const platform::MessageSubject& subject) override;
  platform::FileAction askFileAction(std::string_view text, std::string_view path, std::string_view primaryCaption,
                                     std::string_view allCaption, std::string_view reason) override;
  void progressStatus(std::string_view status) override { statuses_.emplace_back(status); }
  void progressFigures(const platform::ProgressFigures&) override { ++figures_; }
  void progressShowModal() override { modalShown_ = true; }
  void showStatusWindow(const platform::StatusSummary& summary) override;
  void pumpMessages() override;
  // Answers from scriptFileType, else Cancel (0).
  std::uint8_t chooseFileType() override;
  std::optional<std::string> chooseDirectory(std::string_view title, std::string_view startFolder) override;
  std::optional<std::string> chooseOpenFile(std::string_view title, std::string_view startFolder,
                                            const std::vector<std::string>& filters) override;
  std::optional<std::string> chooseSaveFile(std::string_view title, std::string_view startFolder,
                                            std::string_view defaultExtension,
                                            const std::vector<std::string>& filters) override;
  void busyShow(std::string_view text) override;
  void busyText(std::string_view text) override { busyTexts_.emplace_back(text); }
  void busyBar(int percent) override { busyBars_.push_back(percent); }
  void busyHide() override { busyVisible_ = false; }
  void printProgressOpen(std::string_view caption, std::string_view status, std::string_view status2) override;
  void printProgressBar(int percent) override { printProgress_.bars.push_back(percent); }
  void printProgressStatus2(std::string_view text) override { printProgress_.status2.emplace_back(text); }
  void printProgressClose(bool showModal) override;

  platform::DialogChoice showSyncDialog(SyncDialogModel& model) override;
  platform::DialogChoice showFileOpDialog(FileOpDialogModel& model) override;
  platform::DialogChoice showDirectoryChooser(DirectoryChooserModel& model) override;
  platform::DialogChoice showDirectoryListsEditor(DirectoryListsEditor& editor) override;
  std::optional<std::string> inputBox(std::string_view title, std::string_view prompt, std::string_view text) override;
  bool showUserToolDialog(UserToolFields& fields) override;

  void splashStatus(std::string_view text) override { windowSteps_.emplace_back(text); }
  void showMainWindow(bool) override { windowSteps_.emplace_back("<show main window>"); }
  void openHelpTopic(std::string_view topic) override { windowSteps_.push_back("<help " + std::string(topic) + ">"); }
  void setCaption(std::string_view text) override { caption_ = text; }
  bool mainWindowExists() override { return mainWindow; }
  const platform::NameMetrics* nameMetrics() override { return metrics ? &*metrics : nullptr; }

  void resultsChanged() override { notices_.emplace_back("results"); }
  void commandsChanged() override { notices_.emplace_back("commands"); }
  void runStarted() override { notices_.emplace_back("run started"); }
  void runEnded() override { notices_.emplace_back("run ended"); }

 protected:
  platform::Answer answerFor(platform::MessageButtons buttons) override;
  platform::FileAction fileActionAnswer() override;

 private:
  std::deque<platform::Answer> answers_;
  std::deque<platform::FileAction> fileActions_;
  std::deque<std::uint8_t> fileTypes_;
  std::deque<std::optional<std::string>> dialogAnswers_;
  std::vector<DialogOpened> dialogs_;
  std::deque<SyncDialogStep> syncSteps_;
  std::deque<FileOpDialogStep> fileOpSteps_;
  std::deque<DirectoryChooserStep> chooserSteps_;
  std::deque<DirectoryListsEditorStep> editorSteps_;
  int editorShows_ = 0;
  int syncShows_ = 0;
  int fileOpShows_ = 0;
  std::deque<std::optional<std::string>> inputAnswers_;
  std::vector<InputAsked> inputs_;
  std::deque<UserToolStep> userToolSteps_;
  int userToolShows_ = 0;
  std::optional<std::string> nextDialogAnswer();
  std::vector<Asked> asked_;
  std::vector<std::string> statuses_;
  platform::StatusSummary summary_;
  int pumps_ = 0;
  int figures_ = 0;
  bool statusShown_ = false;
  bool modalShown_ = false;
  std::vector<std::string> busyTexts_;
  std::vector<int> busyBars_;
  int busyShows_ = 0;
  bool busyVisible_ = false;
  PrintProgressLog printProgress_;
  std::vector<std::string> windowSteps_;
  std::string caption_;
  std::vector<std::string> notices_;
};

}  // namespace quorvane::test
