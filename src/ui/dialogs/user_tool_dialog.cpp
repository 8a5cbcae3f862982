#include "ui/dialogs/user_tool_dialog.h"

#include <QBoxLayout>
#include <QCheckBox>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

namespace {

constexpr int kMargin = 8;

QLineEdit* Edit(QGroupBox* group, const char* name) { return group->findChild<QLineEdit*>(QString::fromLatin1(name)); }

// Shows a text as if typed, so that the options dialog's sample follows it.
void Type(QLineEdit* edit, const std::string& text) {
  if (!edit) return;
  const QString value = FromUtf8(text);
  if (edit->text() == value) return;
  edit->setText(value);
  emit edit->textEdited(value);
}

}  // namespace

TfrmUserTool::TfrmUserTool(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("frmUserTool"));
  setWindowTitle(QStringLiteral("Choose user tool"));
  ok_ = new QPushButton(QStringLiteral("OK"), this);
  ok_->setObjectName(QStringLiteral("bnOK"));
  ok_->setDefault(true);
  cancel_ = new QPushButton(QStringLiteral("Cancel"), this);
  cancel_->setObjectName(QStringLiteral("bnCancel"));
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &QDialog::reject);
}

TfrmUserTool::~TfrmUserTool() { giveBack(); }

void TfrmUserTool::borrow(QGroupBox* group) {
  group_ = group;
  home_ = group->parentWidget();
  auto* layout = home_ ? qobject_cast<QBoxLayout*>(home_->layout()) : nullptr;
  homeIndex_ = layout ? layout->indexOf(group) : -1;
  if (layout) layout->removeWidget(group);
  group->setParent(this);
  const QSize size = group->sizeHint().expandedTo(QSize(380, 0));
  group->setGeometry(kMargin, kMargin, size.width(), size.height());
  group->show();
  const QSize button = ok_->sizeHint().expandedTo(cancel_->sizeHint()).expandedTo(QSize(80, 0));
  const int buttonsLeft = kMargin + size.width() + kMargin;
  ok_->setGeometry(buttonsLeft, kMargin + 6, button.width(), button.height());
  cancel_->setGeometry(buttonsLeft, kMargin + 6 + button.height() + 6, button.width(), button.height());
  setFixedSize(buttonsLeft + button.width() + kMargin, size.height() + 2 * kMargin);
}

void TfrmUserTool::giveBack() {
  if (!group_) return;
  QGroupBox* group = group_;
  group_ = nullptr;
  if (!home_) {
    delete group;  // its dialog is gone
    return;
  }
  group->setParent(home_);
  if (auto* layout = qobject_cast<QBoxLayout*>(home_->layout()))
    layout->insertWidget(homeIndex_ < 0 ? layout->count() : homeIndex_, group);
  group->show();
}

void TfrmUserTool::hideEvent(QHideEvent* event) {
  QDialog::hideEvent(event);
  giveBack();
}

bool TfrmUserTool::choose(QDialog& options, UserToolFields& fields) {
  auto* group = options.findChild<QGroupBox*>(QStringLiteral("gbUserTool"));
  if (!group) return false;
  Type(Edit(group, "edDefaultUserTool"), fields.edDefaultUserTool);
  Type(Edit(group, "edDefaultUserParms"), fields.edDefaultUserParms);
  auto* confirm = group->findChild<QCheckBox*>(QStringLiteral("cbConfirmDefaultUserTool"));
  if (confirm && confirm->isChecked() != fields.cbConfirmDefaultUserTool) confirm->click();
  borrow(group);
  if (QLineEdit* program = Edit(group, "edDefaultUserTool")) program->setFocus();
  const bool accepted = exec() == QDialog::Accepted;
  QLineEdit* program = Edit(group, "edDefaultUserTool");
  QLineEdit* parameters = Edit(group, "edDefaultUserParms");
  if (accepted && program && parameters) {
    fields.edDefaultUserTool = program->text().toStdString();
    fields.edDefaultUserParms = parameters->text().toStdString();
    if (confirm) fields.cbConfirmDefaultUserTool = confirm->isChecked();
  }
  giveBack();
  return accepted;
}

}  // namespace quorvane::ui
