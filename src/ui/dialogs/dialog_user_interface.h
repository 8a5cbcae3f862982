#pragma once
// The Qt side of the contract for the comparison windows: message boxes, "Choose an
// action", the progress, status, busy and print progress windows, the file type chooser,
// the splash and the help window. Each window is created once, here, and reused. The
// main window's steps (show, caption, indicators, name metrics, printer, screen colours,
// the notices) stay with the contract's defaults for the main window's subclass to write.
#include <QPointer>
#include <QWidget>

#include "platform/user_interface.h"

namespace quorvane::ui {

class AboutBox;
class BusyWindow;
class FileMessageDialog;
class FileTypeDialog;
class HelpWindow;
class PrintProgressWindow;
class ProgressDialog;
class SplashWindow;
class StatusWindow;
class TFileOpDlg;
class TOpenDirectoryDlg;
class TfrmDirs;
class TSyncDlg;

class DialogUserInterface : public platform::UserInterface {
 public:
  // Needs the QApplication. The splash is created but not shown.
  DialogUserInterface();
  ~DialogUserInterface() override;
  DialogUserInterface(const DialogUserInterface&) = delete;
  DialogUserInterface& operator=(const DialogUserInterface&) = delete;

  // The window the dialogs and message boxes belong to (the main window once it exists).
  void setParentWindow(QWidget* parent);
  QWidget* parentWindow() const { return parent_; }

  SplashWindow* splash() const;
  ProgressDialog* progressDialog() const;
  StatusWindow* statusWindow() const;
  HelpWindow* helpWindow() const;
  AboutBox* aboutBox() const;
  BusyWindow* busyWindow() const;
  FileTypeDialog* fileTypeDialog() const;
  FileMessageDialog* fileMessageDialog() const;
  PrintProgressWindow* printProgressWindow() const;
  // The synchronization and file operations dialogs, made at their first showing.
  TSyncDlg* syncDialog();
  TFileOpDlg* fileOpDialog();
  // The directory chooser and the include/exclude directories editor, made at their first
  // showing.
  TOpenDirectoryDlg* directoryChooser();
  TfrmDirs* directoryListsDialog();

  platform::Answer message(std::string_view text, platform::MessageKind kind,
                           platform::MessageButtons buttons) override;
  platform::FileAction askFileAction(std::string_view text, std::string_view path, std::string_view primaryCaption,
                                     std::string_view allCaption, std::string_view reason) override;

  void progressOpen(const platform::ProgressHeader& header) override;
  void progressStatus(std::string_view status) override;
  void progressCurrentPath(quorvane::Side side, std::string_view path) override;
  void progressCurrentFile(std::string_view relativePath) override;
  void progressFigures(const platform::ProgressFigures& figures) override;
  void progressBar(int percent) override;
  void progressButton(platform::ProgressButton button) override;
  void progressHide() override;
  void progressShowModal() override;

  // Refreshes the main window's indicators (its file count), then shows the window modally.
  void showStatusWindow(const platform::StatusSummary& summary) override;
  std::uint8_t chooseFileType() override;
  void pumpMessages() override;

  void busyShow(std::string_view text) override;
  void busyText(std::string_view text) override;
  void busyBar(int percent) override;
  void busyHide() override;

  void printProgressOpen(std::string_view caption, std::string_view status, std::string_view status2) override;
  void printProgressBar(int percent) override;
  void printProgressStatus2(std::string_view text) override;
  void printProgressClose(bool showModal) override;

  platform::DialogChoice showSyncDialog(SyncDialogModel& model) override;
  platform::DialogChoice showFileOpDialog(FileOpDialogModel& model) override;
  platform::DialogChoice showDirectoryChooser(DirectoryChooserModel& model) override;
  platform::DialogChoice showDirectoryListsEditor(DirectoryListsEditor& editor) override;
  std::optional<std::string> inputBox(std::string_view title, std::string_view prompt, std::string_view text) override;

  // The splash's status line while the splash is up; events are handled in every case.
  void splashStatus(std::string_view text) override;
  void openHelpTopic(std::string_view topic) override;

 private:
  QPointer<QWidget> parent_;
  QPointer<SplashWindow> splash_;
  QPointer<HelpWindow> help_;
  QPointer<ProgressDialog> progress_;
  QPointer<StatusWindow> status_;
  QPointer<AboutBox> about_;
  QPointer<BusyWindow> busy_;
  QPointer<FileTypeDialog> fileType_;
  QPointer<FileMessageDialog> fileMessage_;
  QPointer<PrintProgressWindow> printProgress_;
  QPointer<TSyncDlg> sync_;
  QPointer<TFileOpDlg> fileOp_;
  QPointer<TOpenDirectoryDlg> directoryChooser_;
  QPointer<TfrmDirs> directoryLists_;
};

}  // namespace quorvane::ui
