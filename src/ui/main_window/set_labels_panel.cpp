#include "ui/main_window/set_labels_panel.h"

#include <QHBoxLayout>
#include <QLabel>

namespace quorvane::ui {

namespace {

QWidget* makePanel(QWidget* parent, const QString& caption, const char* name, QLabel*& text) {
  auto* panel = new QWidget(parent);
  auto* row = new QHBoxLayout(panel);
  row->setContentsMargins(2, 0, 2, 0);
  row->setSpacing(0);
  auto* bold = new QLabel(caption, panel);
  QFont font = bold->font();
  font.setBold(true);
  bold->setFont(font);
  text = new QLabel(QStringLiteral("<Empty>"), panel);
  text->setObjectName(QString::fromLatin1(name));
  text->setTextFormat(Qt::PlainText);
  text->setMinimumWidth(0);
  text->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
  row->addWidget(bold);
  row->addWidget(text, 1);
  return panel;
}

}  // namespace

SetLabelsPanel::SetLabelsPanel(QWidget* parent) : QWidget(parent) {
  newPanel_ = makePanel(this, QStringLiteral("New : "), "NewLabel", newText_);
  oldPanel_ = makePanel(this, QStringLiteral("Old : "), "OldLabel", oldText_);
}

void SetLabelsPanel::setTexts(const QString& newLabel, const QString& oldLabel) {
  newText_->setText(newLabel);
  newText_->setToolTip(newLabel);
  oldText_->setText(oldLabel);
  oldText_->setToolTip(oldLabel);
}

QString SetLabelsPanel::text(bool newSide) const { return (newSide ? newText_ : oldText_)->text(); }

int SetLabelsPanel::lineHeight() const { return newPanel_->sizeHint().height(); }

void SetLabelsPanel::place(const QRect& newPanel, const QRect& oldPanel, int height) {
  newPanel_->setGeometry(newPanel);
  oldPanel_->setGeometry(oldPanel);
  setFixedHeight(height + 2);
}

}  // namespace quorvane::ui
