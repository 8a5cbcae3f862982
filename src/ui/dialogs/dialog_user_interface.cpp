#include "ui/dialogs/dialog_user_interface.h"

#include <QCoreApplication>
#include <QInputDialog>
#include <algorithm>

#include "program/status_texts.h"
#include "ui/dialogs/dialog_texts.h"
#include "ui/dialogs/about_box.h"
#include "ui/dialogs/busy_window.h"
#include "ui/dialogs/directory_chooser_dialog.h"
#include "ui/dialogs/directory_lists_dialog.h"
#include "ui/dialogs/file_message_dialog.h"
#include "ui/dialogs/file_type_dialog.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/print_progress_window.h"
#include "ui/dialogs/progress_dialog.h"
#include "ui/dialogs/splash_window.h"
#include "ui/dialogs/status_window.h"
#include "ui/help/help_window.h"
#include "ui/sync/file_op_dialog.h"
#include "ui/sync/sync_dialog.h"

namespace quorvane::ui {

DialogUserInterface::DialogUserInterface()
    : splash_(new SplashWindow),
      help_(new HelpWindow),
      progress_(new ProgressDialog(*this)),
      status_(new StatusWindow),
      about_(new AboutBox),
      busy_(new BusyWindow),
      fileType_(new FileTypeDialog),
      fileMessage_(new FileMessageDialog),
      printProgress_(new PrintProgressWindow(*this)) {
  auto help = [this](const QString& topic) { openHelpTopic(topic.toStdString()); };
  QObject::connect(status_, &StatusWindow::helpRequested, help_, help);
  QObject::connect(fileType_, &FileTypeDialog::helpRequested, help_, help);
}

// Windows a parent took over are deleted with it; QPointer then holds null.
DialogUserInterface::~DialogUserInterface() {
  delete fileOp_.data();
  delete directoryChooser_.data();
  delete directoryLists_.data();
  delete sync_.data();
  delete printProgress_.data();
  delete fileMessage_.data();
  delete fileType_.data();
  delete busy_.data();
  delete about_.data();
  delete status_.data();
  delete progress_.data();
  delete help_.data();
  delete splash_.data();
}

SplashWindow* DialogUserInterface::splash() const { return splash_; }
ProgressDialog* DialogUserInterface::progressDialog() const { return progress_; }
StatusWindow* DialogUserInterface::statusWindow() const { return status_; }
HelpWindow* DialogUserInterface::helpWindow() const { return help_; }
AboutBox* DialogUserInterface::aboutBox() const { return about_; }
BusyWindow* DialogUserInterface::busyWindow() const { return busy_; }
FileTypeDialog* DialogUserInterface::fileTypeDialog() const { return fileType_; }
FileMessageDialog* DialogUserInterface::fileMessageDialog() const { return fileMessage_; }
PrintProgressWindow* DialogUserInterface::printProgressWindow() const { return printProgress_; }

TSyncDlg* DialogUserInterface::syncDialog() {
  if (!sync_) {
    sync_ = new TSyncDlg(parent_);
    QObject::connect(sync_, &TSyncDlg::helpRequested, help_,
                     [this](const QString& topic) { openHelpTopic(topic.toStdString()); });
  }
  return sync_;
}

TFileOpDlg* DialogUserInterface::fileOpDialog() {
  if (!fileOp_) {
    fileOp_ = new TFileOpDlg(parent_);
    QObject::connect(fileOp_, &TFileOpDlg::helpRequested, help_,
                     [this](const QString& topic) { openHelpTopic(topic.toStdString()); });
  }
  return fileOp_;
}

TOpenDirectoryDlg* DialogUserInterface::directoryChooser() {
  if (!directoryChooser_) {
    directoryChooser_ = new TOpenDirectoryDlg(parent_);
    QObject::connect(directoryChooser_, &TOpenDirectoryDlg::helpRequested, help_,
                     [this](const QString& topic) { openHelpTopic(topic.toStdString()); });
  }
  return directoryChooser_;
}

TfrmDirs* DialogUserInterface::directoryListsDialog() {
  if (!directoryLists_) {
    directoryLists_ = new TfrmDirs(parent_);
    QObject::connect(directoryLists_, &TfrmDirs::helpRequested, help_,
                     [this](const QString& topic) { openHelpTopic(topic.toStdString()); });
  }
  return directoryLists_;
}

platform::DialogChoice DialogUserInterface::showDirectoryChooser(DirectoryChooserModel& model) {
  return directoryChooser()->choose(model);
}

platform::DialogChoice DialogUserInterface::showDirectoryListsEditor(DirectoryListsEditor& editor) {
  return directoryListsDialog()->choose(editor);
}

platform::DialogChoice DialogUserInterface::showSyncDialog(SyncDialogModel& model) {
  return syncDialog()->choose(model);
}

platform::DialogChoice DialogUserInterface::showFileOpDialog(FileOpDialogModel& model) {
  return fileOpDialog()->choose(model);
}

std::optional<std::string> DialogUserInterface::inputBox(std::string_view title, std::string_view prompt,
                                                         std::string_view text) {
  QInputDialog box(parent_);
  box.setObjectName(QStringLiteral("InputBox"));
  box.setWindowTitle(FromUtf8(title));
  box.setLabelText(FromUtf8(prompt));
  box.setTextValue(FromUtf8(text));
  box.resize(std::max(box.sizeHint().width(), 420), box.sizeHint().height());
  if (box.exec() != QDialog::Accepted) return std::nullopt;
  return box.textValue().toStdString();
}

void DialogUserInterface::setParentWindow(QWidget* parent) {
  parent_ = parent;
  for (QWidget* w : std::initializer_list<QWidget*>{progress_, status_, about_, fileType_, fileMessage_,
                                                    printProgress_, sync_, fileOp_})
    if (w) w->setParent(parent, w->windowFlags());
}

platform::Answer DialogUserInterface::message(std::string_view text, platform::MessageKind kind,
                                              platform::MessageButtons buttons) {
  QWidget* over = (progress_ && progress_->isVisible()) ? static_cast<QWidget*>(progress_) : parent_.data();
  return ShowMessage(over, text, kind, buttons);
}

platform::FileAction DialogUserInterface::askFileAction(std::string_view text, std::string_view path,
                                                        std::string_view primaryCaption, std::string_view allCaption,
                                                        std::string_view reason) {
  return fileMessage_->ask(text, path, primaryCaption, allCaption, reason);
}

void DialogUserInterface::progressOpen(const platform::ProgressHeader& header) { progress_->openFor(header); }
void DialogUserInterface::progressStatus(std::string_view status) { progress_->setStatus(status); }
void DialogUserInterface::progressCurrentPath(quorvane::Side side, std::string_view path) {
  progress_->setCurrentPath(side, path);
}
void DialogUserInterface::progressCurrentFile(std::string_view relativePath) { progress_->setCurrentFile(relativePath); }
void DialogUserInterface::progressFigures(const platform::ProgressFigures& figures) { progress_->setFigures(figures); }
void DialogUserInterface::progressBar(int percent) { progress_->setBar(percent); }
void DialogUserInterface::progressButton(platform::ProgressButton button) { progress_->setButton(button); }
void DialogUserInterface::progressHide() { progress_->hide(); }
void DialogUserInterface::progressShowModal() { progress_->showModal(); }

void DialogUserInterface::showStatusWindow(const platform::StatusSummary& summary) {
  refreshIndicators();
  status_->showTexts(StatusTextsOf(summary));
}

std::uint8_t DialogUserInterface::chooseFileType() { return fileType_->choose(); }

void DialogUserInterface::pumpMessages() {
  progress_->flushTexts();
  QCoreApplication::processEvents();
}

void DialogUserInterface::busyShow(std::string_view text) {
  busy_->showText(text);
  busy_->repaint();
}
void DialogUserInterface::busyText(std::string_view text) { busy_->setText(text); }
void DialogUserInterface::busyBar(int percent) { busy_->setBar(percent); }
void DialogUserInterface::busyHide() { busy_->hide(); }

void DialogUserInterface::printProgressOpen(std::string_view caption, std::string_view status,
                                            std::string_view status2) {
  printProgress_->openFor(caption, status, status2);
}
void DialogUserInterface::printProgressBar(int percent) { printProgress_->setBar(percent); }
void DialogUserInterface::printProgressStatus2(std::string_view text) { printProgress_->setStatus2(text); }
void DialogUserInterface::printProgressClose(bool showModal) { printProgress_->closeWriting(showModal); }

void DialogUserInterface::splashStatus(std::string_view text) {
  if (splash_ && splash_->isVisible()) splash_->setStatus(text);
  QCoreApplication::processEvents();
}

void DialogUserInterface::openHelpTopic(std::string_view topic) {
  help_->showTopic(QString::fromUtf8(topic.data(), static_cast<qsizetype>(topic.size())));
}

}  // namespace quorvane::ui
