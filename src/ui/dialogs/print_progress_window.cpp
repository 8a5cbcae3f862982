#include "ui/dialogs/print_progress_window.h"

#include <QCloseEvent>
#include <QFrame>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QScreen>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

PrintProgressWindow::PrintProgressWindow(platform::UserInterface& ui, QWidget* parent)
    : QDialog(parent), ui_(ui) {
  setObjectName(QStringLiteral("PrintProgress"));
  setWindowTitle(QStringLiteral("Printing"));

  auto* panel = new QFrame(this);
  panel->setObjectName(QStringLiteral("Panel1"));
  panel->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  status_ = new QLabel(QStringLiteral("Idle"), panel);
  status_->setObjectName(QStringLiteral("LStatus"));
  status_->setTextFormat(Qt::PlainText);
  status_->setMinimumWidth(320);
  bar_ = new QProgressBar(panel);
  bar_->setObjectName(QStringLiteral("ProgressBar"));
  bar_->setRange(0, 100);
  bar_->setValue(0);
  bar_->setTextVisible(false);
  auto* panelLayout = new QVBoxLayout(panel);
  panelLayout->setContentsMargins(8, 8, 8, 8);
  panelLayout->addWidget(status_);
  panelLayout->addWidget(bar_);

  auto* caption = new QLabel(QStringLiteral("Status :"), this);
  caption->setObjectName(QStringLiteral("Label1"));
  status2_ = new QLabel(QStringLiteral("---"), this);
  status2_->setObjectName(QStringLiteral("LStatus2"));
  status2_->setTextFormat(Qt::PlainText);
  button1_ = new QPushButton(QStringLiteral("&Abort"), this);
  button1_->setObjectName(QStringLiteral("BitBtn1"));
  connect(button1_, &QPushButton::clicked, this, &PrintProgressWindow::buttonClicked);

  auto* line = new QHBoxLayout;
  line->addWidget(caption);
  line->addWidget(status2_, 1);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(button1_);
  buttons->addStretch();
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(panel);
  layout->addLayout(line);
  layout->addLayout(buttons);
  layout->setSizeConstraint(QLayout::SetFixedSize);
}

void PrintProgressWindow::openFor(std::string_view caption, std::string_view status, std::string_view status2) {
  setWindowTitle(WindowText(caption));
  status_->setText(WindowText(status));
  status2_->setText(WindowText(status2));
  bar_->setValue(0);
  writing_ = true;
  button1_->setText(QStringLiteral("&Abort"));
  setModal(false);
  adjustSize();
  if (const QScreen* screen = QGuiApplication::primaryScreen())
    move(screen->availableGeometry().center() - rect().center());
  show();
  raise();
  repaint();
}

void PrintProgressWindow::setBar(int percent) { bar_->setValue(std::clamp(percent, 0, 100)); }

void PrintProgressWindow::setStatus2(std::string_view text) { status2_->setText(WindowText(text)); }

void PrintProgressWindow::closeWriting(bool showModal) {
  hide();
  writing_ = false;
  button1_->setText(QStringLiteral("&Close"));
  if (showModal) {
    setModal(true);
    exec();
    setModal(false);
  }
}

void PrintProgressWindow::buttonClicked() {
  if (writing_) {
    ui_.requestAbort();  // the writer notices it at its next refresh and closes the window
    return;
  }
  done(QDialog::Accepted);
}

// Escape acts as the button.
void PrintProgressWindow::reject() {
  if (writing_) {
    buttonClicked();
    return;
  }
  QDialog::reject();
}

// Closing the window while writing stops the writing rather than hiding it from view.
void PrintProgressWindow::closeEvent(QCloseEvent* event) {
  if (writing_) {
    event->ignore();
    buttonClicked();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace quorvane::ui
