#include "ui/dialogs/progress_dialog.h"

#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_texts.h"
#include "ui/dialogs/message_box.h"
#include "ui/dialogs/scan_bar.h"

namespace quorvane::ui {

using platform::ProgressButton;

namespace {

QLabel* named(const QString& name, const QString& text, QWidget* parent) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(name);
  return label;
}

}  // namespace

ProgressDialog::ProgressDialog(platform::UserInterface& ui, QWidget* parent) : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("ProgressDlg"));
  setWindowTitle(QStringLiteral("Comparison progress"));

  newCaption_ = named(QStringLiteral("LNewCaption"), QStringLiteral("New set of files :"), this);
  oldCaption_ = named(QStringLiteral("LOldCaption"), QStringLiteral("Old set of files :"), this);
  newLabel_ = named(QStringLiteral("NewLabel"), QStringLiteral("<Empty>"), this);
  oldLabel_ = named(QStringLiteral("OldLabel"), QStringLiteral("<Empty>"), this);
  warning_ = named(QStringLiteral("LWarningPath"), QStringLiteral("Warning : Subdirectories found in archive"), this);
  warning_->setStyleSheet(QStringLiteral("color: red"));
  warning_->hide();
  status_ = named(QStringLiteral("StatusLabel"), QStringLiteral("Idle"), this);
  files_ = named(QStringLiteral("LNbFiles"), QStringLiteral("0"), this);
  kbytes_ = named(QStringLiteral("LKbRead"), QStringLiteral("0"), this);
  file_ = named(QStringLiteral("FileLabel"), QString(), this);
  elapsed_ = named(QStringLiteral("LElapsed"), QStringLiteral("00:00:00"), this);
  rate_ = named(QStringLiteral("LRate"), QStringLiteral("0000 kb/s"), this);
  for (QLabel* l : {newLabel_, oldLabel_, file_}) {
    l->setMinimumWidth(420);
    l->setTextFormat(Qt::PlainText);
    l->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long path must not widen the window
  }
  bar_ = new ScanBar(this);
  bar_->setObjectName(QStringLiteral("Bar1"));
  button1_ = new QPushButton(QStringLiteral("&Abort"), this);
  button1_->setObjectName(QStringLiteral("BitBtn1"));
  button1_->setAutoDefault(false);  // Enter never aborts by accident; keys are handled below

  auto* sets = new QGridLayout;
  sets->addWidget(newCaption_, 0, 0);
  sets->addWidget(newLabel_, 0, 1);
  sets->addWidget(oldCaption_, 1, 0);
  sets->addWidget(oldLabel_, 1, 1);
  sets->setColumnStretch(1, 1);

  auto* figures = new QGridLayout;
  figures->addWidget(new QLabel(QStringLiteral("Status : "), this), 0, 0);
  figures->addWidget(status_, 0, 1, 1, 3);
  figures->addWidget(new QLabel(QStringLiteral("Files read :"), this), 1, 0);
  figures->addWidget(files_, 1, 1);
  figures->addWidget(new QLabel(QStringLiteral("Elapsed :"), this), 1, 2);
  figures->addWidget(elapsed_, 1, 3);
  figures->addWidget(new QLabel(QStringLiteral("KBytes read :"), this), 2, 0);
  figures->addWidget(kbytes_, 2, 1);
  figures->addWidget(new QLabel(QStringLiteral("Kb/sec :"), this), 2, 2);
  figures->addWidget(rate_, 2, 3);
  figures->setColumnStretch(1, 1);
  figures->setColumnStretch(3, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(button1_);
  buttons->addStretch();

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(sets);
  layout->addWidget(warning_);
  layout->addLayout(figures);
  layout->addWidget(file_);
  layout->addWidget(bar_);
  layout->addLayout(buttons);

  connect(button1_, &QPushButton::clicked, this, &ProgressDialog::buttonClicked);
}

void ProgressDialog::openFor(const platform::ProgressHeader& header) {
  newCaption_->setText(WindowText(header.newCaption));
  newLabel_->setText(WindowText(header.newPath));
  oldCaption_->setText(WindowText(header.oldCaption));
  oldLabel_->setText(WindowText(header.oldPath));
  file_->clear();
  pathPending_[0] = pathPending_[1] = filePending_ = false;
  files_->setText(QStringLiteral("0"));
  kbytes_->setText(QStringLiteral("0"));
  elapsed_->setText(QStringLiteral("00:00:00"));
  rate_->setText(QStringLiteral("0 kb/s"));
  warning_->hide();
  bar_->setPercent(0);
  setModal(false);
  show();
  raise();
}

void ProgressDialog::setStatus(std::string_view status) {
  flushTexts();
  status_->setText(WindowText(status));
}

// The reader names every directory and large file it enters, thousands a second on a big
// tree; the labels take the latest one with the figures (at most every 200 ms) and before
// each pump, instead of being laid out again for every name.
void ProgressDialog::setCurrentPath(quorvane::Side side, std::string_view path) {
  const int i = side == quorvane::Side::New ? 0 : 1;
  pendingPath_[i].assign(path);
  pathPending_[i] = true;
}

void ProgressDialog::setCurrentFile(std::string_view relativePath) {
  pendingFile_.assign(relativePath);
  filePending_ = true;
}

void ProgressDialog::flushTexts() {
  QLabel* const paths[2] = {newLabel_, oldLabel_};
  for (int i = 0; i < 2; ++i) {
    if (!pathPending_[i]) continue;
    paths[i]->setText(WindowText(pendingPath_[i]));
    pathPending_[i] = false;
  }
  if (filePending_) {
    file_->setText(WindowText(pendingFile_));
    filePending_ = false;
  }
}

void ProgressDialog::setFigures(const platform::ProgressFigures& f) {
  flushTexts();
  files_->setText(WindowText(f.filesRead));
  kbytes_->setText(WindowText(f.kbytesRead));
  elapsed_->setText(WindowText(f.elapsed));
  rate_->setText(WindowText(f.kbPerSec) + QStringLiteral(" kb/s"));
  warning_->setVisible(f.subdirectoriesWarning);
}

void ProgressDialog::setBar(int percent) { bar_->setPercent(percent); }

void ProgressDialog::setButton(ProgressButton button) {
  flushTexts();
  button_ = button;
  switch (button) {
    case ProgressButton::Abort: button1_->setText(QStringLiteral("&Abort")); break;
    case ProgressButton::Close: button1_->setText(QStringLiteral("&Close")); break;
  }
}

void ProgressDialog::showModal() {
  flushTexts();
  setModal(true);
  exec();
  setModal(false);
}

void ProgressDialog::buttonClicked() {
  switch (button_) {
    case ProgressButton::Abort:
      if (ui_.abortRequested()) return;  // already stopping
      if (ShowMessage(this, " Interrupted : Click Ok to abort the scanning process",
                      platform::MessageKind::Confirmation, platform::MessageButtons::OkCancel) == platform::Answer::Ok) {
        ui_.requestAbort();
        hide();
      }
      return;
    case ProgressButton::Close: done(QDialog::Accepted); return;
  }
}

// Escape: the Abort button while reading; closes once it is Close.
void ProgressDialog::reject() {
  if (button_ == ProgressButton::Abort) {
    buttonClicked();
    return;
  }
  QDialog::reject();
}

void ProgressDialog::keyPressEvent(QKeyEvent* event) {
  const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
  if (enter) {
    if (button_ == ProgressButton::Close) done(QDialog::Accepted);
    event->accept();
    return;
  }
  QDialog::keyPressEvent(event);
}

// The window's close box acts as its button: it cannot end a run without the question.
void ProgressDialog::closeEvent(QCloseEvent* event) {
  if (button_ == ProgressButton::Abort && isVisible()) {
    event->ignore();
    buttonClicked();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace quorvane::ui
