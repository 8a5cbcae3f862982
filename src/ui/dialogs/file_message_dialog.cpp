#include "ui/dialogs/file_message_dialog.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

using platform::FileAction;

FileMessageDialog::FileMessageDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FileMessageDlg"));
  setWindowTitle(QStringLiteral("Choose an action"));

  message_ = new QLabel(this);
  message_->setObjectName(QStringLiteral("Label1"));
  message_->setTextFormat(Qt::PlainText);
  path_ = new QLabel(this);
  path_->setObjectName(QStringLiteral("Label2"));
  path_->setTextFormat(Qt::PlainText);
  path_->setTextInteractionFlags(Qt::TextSelectableByMouse);
  path_->setMinimumWidth(420);
  reason_ = new QLabel(this);
  reason_->setObjectName(QStringLiteral("LReason"));
  reason_->setTextFormat(Qt::PlainText);

  primary_ = new QPushButton(this);
  primary_->setObjectName(QStringLiteral("bnRetry"));
  primary_->setDefault(true);
  all_ = new QPushButton(this);
  all_->setObjectName(QStringLiteral("bnReplaceAll"));
  auto* skip = new QPushButton(QStringLiteral("&Skip"), this);
  skip->setObjectName(QStringLiteral("bnSkip"));
  auto* skipAll = new QPushButton(QStringLiteral("Skip &all"), this);
  skipAll->setObjectName(QStringLiteral("bnSkipAll"));
  auto* abort = new QPushButton(QStringLiteral("&Abort"), this);
  abort->setObjectName(QStringLiteral("bnAbort"));
  connect(primary_, &QPushButton::clicked, this, [this] { choose(FileAction::Primary); });
  connect(all_, &QPushButton::clicked, this, [this] { choose(FileAction::All); });
  connect(skip, &QPushButton::clicked, this, [this] { choose(FileAction::Skip); });
  connect(skipAll, &QPushButton::clicked, this, [this] { choose(FileAction::SkipAll); });
  connect(abort, &QPushButton::clicked, this, [this] { choose(FileAction::Abort); });

  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {primary_, all_, skip, skipAll, abort}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(message_);
  layout->addWidget(path_);
  layout->addWidget(reason_);
  layout->addLayout(buttons);
}

void FileMessageDialog::fill(std::string_view text, std::string_view path, std::string_view primaryCaption,
                             std::string_view allCaption, std::string_view reason) {
  message_->setText(WindowText(text));
  path_->setText(WindowText(path));
  reason_->setText(WindowText(reason));
  reason_->setVisible(!reason.empty());
  primary_->setText(WindowText(primaryCaption));
  all_->setText(WindowText(allCaption));
  all_->setVisible(!allCaption.empty());
  primary_->setFocus();
}

FileAction FileMessageDialog::ask(std::string_view text, std::string_view path, std::string_view primaryCaption,
                                  std::string_view allCaption, std::string_view reason) {
  fill(text, path, primaryCaption, allCaption, reason);
  chosen_ = FileAction::Abort;  // Escape and the close box
  adjustSize();
  exec();
  return chosen_;
}

void FileMessageDialog::choose(FileAction action) {
  chosen_ = action;
  accept();
}

}  // namespace quorvane::ui
