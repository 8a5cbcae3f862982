#include "support/recording_user_interface.h"

#include "program/directory_chooser.h"

namespace quorvane::test {

using platform::Answer;
using platform::FileAction;
using platform::MessageButtons;
using platform::MessageKind;

Answer RecordingUserInterface::answerFor(MessageButtons buttons) {
  if (answers_.empty()) return safeDefault(buttons);
  const Answer a = answers_.front();
  answers_.pop_front();
  return a;
}

FileAction RecordingUserInterface::fileActionAnswer() {
  if (fileActions_.empty()) return FileAction::Skip;
  const FileAction a = fileActions_.front();
  fileActions_.pop_front();
  return a;
}

Answer RecordingUserInterface::message(std::string_view text, MessageKind kind, MessageButtons buttons) {
  asked_.push_back({std::string(text), {}, kind, buttons, false, {}});
  return HeadlessUserInterface::message(text, kind, buttons);
}

Answer RecordingUserInterface::messageAbout(std::string_view text, MessageKind kind, MessageButtons buttons,
                                            const platform::MessageSubject& subject) {
  const Answer a = HeadlessUserInterface::messageAbout(text, kind, buttons, subject);  // records through message
  asked_.back().subject = subject;
  return a;
}

FileAction RecordingUserInterface::askFileAction(std::string_view text, std::string_view path,
                                                 std::string_view primaryCaption, std::string_view allCaption,
                                                 std::string_view reason) {
  asked_.push_back({std::string(text), std::string(path), MessageKind::Confirmation, MessageButtons::Ok, true,
                    {std::string(path), std::string(reason)}});
  return HeadlessUserInterface::askFileAction(text, path, primaryCaption, allCaption, reason);
}

void RecordingUserInterface::showStatusWindow(const platform::StatusSummary& summary) {
  statusShown_ = true;
  summary_ = summary;
}

void RecordingUserInterface::busyShow(std::string_view text) {
  ++busyShows_;
  busyVisible_ = true;
  busyTexts_.emplace_back(text);
  busyBars_.push_back(0);
}

std::optional<std::string> RecordingUserInterface::nextDialogAnswer() {
  if (dialogAnswers_.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(dialogAnswers_.front());
  dialogAnswers_.pop_front();
  return answer;
}

std::optional<std::string> RecordingUserInterface::chooseDirectory(std::string_view title,
                                                                   std::string_view startFolder) {
  dialogs_.push_back({std::string(title), std::string(startFolder), {}, {}});
  return nextDialogAnswer();
}

std::optional<std::string> RecordingUserInterface::chooseOpenFile(std::string_view title, std::string_view startFolder,
                                                                  const std::vector<std::string>& filters) {
  dialogs_.push_back({std::string(title), std::string(startFolder), filters, {}});
  return nextDialogAnswer();
}

std::optional<std::string> RecordingUserInterface::chooseSaveFile(std::string_view title, std::string_view startFolder,
                                                                  std::string_view defaultExtension,
                                                                  const std::vector<std::string>& filters) {
  dialogs_.push_back({std::string(title), std::string(startFolder), filters, std::string(defaultExtension)});
  return nextDialogAnswer();
}

std::uint8_t RecordingUserInterface::chooseFileType() {
  asked_.push_back({"Choose file type", {}, MessageKind::Confirmation, MessageButtons::OkCancel, false, {}});
  if (fileTypes_.empty()) return 0;
  const std::uint8_t kind = fileTypes_.front();
  fileTypes_.pop_front();
  return kind;
}

void RecordingUserInterface::printProgressOpen(std::string_view caption, std::string_view status,
                                               std::string_view status2) {
  ++printProgress_.opens;
  printProgress_.visible = true;
  printProgress_.closedModally = false;
  printProgress_.caption = caption;
  printProgress_.status = status;
  printProgress_.status2.assign(1, std::string(status2));
  printProgress_.bars.assign(1, 0);
}

void RecordingUserInterface::printProgressClose(bool showModal) {
  printProgress_.visible = false;
  printProgress_.closedModally = showModal;
}

void RecordingUserInterface::pumpMessages() {
  ++pumps_;
  if (onPump) onPump();
}

platform::DialogChoice RecordingUserInterface::showSyncDialog(SyncDialogModel& model) {
  ++syncShows_;
  if (syncSteps_.empty()) return platform::DialogChoice::Cancel;
  SyncDialogStep step = std::move(syncSteps_.front());
  syncSteps_.pop_front();
  return step(model);
}

std::optional<std::string> RecordingUserInterface::inputBox(std::string_view title, std::string_view prompt,
                                                            std::string_view text) {
  inputs_.push_back({std::string(title), std::string(prompt), std::string(text)});
  if (inputAnswers_.empty()) return std::nullopt;
  std::optional<std::string> answer = std::move(inputAnswers_.front());
  inputAnswers_.pop_front();
  return answer;
}

bool RecordingUserInterface::showUserToolDialog(UserToolFields& fields) {
  ++userToolShows_;
  if (userToolSteps_.empty()) return false;
  UserToolStep step = std::move(userToolSteps_.front());
  userToolSteps_.pop_front();
  return step(fields);
}

platform::DialogChoice RecordingUserInterface::showFileOpDialog(FileOpDialogModel& model) {
  ++fileOpShows_;
  if (fileOpSteps_.empty()) return platform::DialogChoice::Cancel;
  FileOpDialogStep step = std::move(fileOpSteps_.front());
  fileOpSteps_.pop_front();
  return step(model);
}

platform::DialogChoice RecordingUserInterface::showDirectoryChooser(DirectoryChooserModel& model) {
  dialogs_.push_back({model.Caption, model.StartFolder, {}, {}});
  if (!chooserSteps_.empty()) {
    DirectoryChooserStep step = std::move(chooserSteps_.front());
    chooserSteps_.pop_front();
    return step(model);
  }
  const std::optional<std::string> answer = nextDialogAnswer();
  if (!answer) return platform::DialogChoice::Cancel;
  model.DirectoryName = *answer;  // typed, then OK
  return platform::DialogChoice::Run;
}

platform::DialogChoice RecordingUserInterface::showDirectoryListsEditor(DirectoryListsEditor& editor) {
  ++editorShows_;
  if (editorSteps_.empty()) return platform::DialogChoice::Cancel;
  DirectoryListsEditorStep step = std::move(editorSteps_.front());
  editorSteps_.pop_front();
  return step(editor);
}

}  // namespace quorvane::test
