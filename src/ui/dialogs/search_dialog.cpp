#include "ui/dialogs/search_dialog.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>
#include <algorithm>

namespace quorvane::ui {

SearchStrip::SearchStrip(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("Bar2"));
  setMinimumHeight(12);
}

void SearchStrip::setPercent(int percent) {
  percent_ = std::clamp(percent, 0, 100);
  update();
}

void SearchStrip::paintEvent(QPaintEvent*) {
  QPainter p(this);
  const int filled = width() * percent_ / 100;
  p.fillRect(QRect(filled, 0, width() - filled, height()), palette().color(QPalette::Button));
  if (filled > 0) {
    p.fillRect(QRect(0, 0, filled, height()), QColor(0x00, 0xFF, 0x00));
    p.fillRect(QRect(0, 0, filled, std::min(2, height())), QColor(0x00, 0x80, 0x00));
  }
}

TSearchDlg::TSearchDlg(const TDisplayIndex& display, platform::UserInterface& ui, QWidget* parent)
    : QDialog(parent), display_(display), ui_(ui) {
  setObjectName(QStringLiteral("SearchDlg"));
  setWindowTitle(QStringLiteral("Search in displayed list"));
  label_ = new QLabel(QStringLiteral("&Filename (or part of name) to find :"), this);
  label_->setObjectName(QStringLiteral("Label1"));
  edit_ = new QLineEdit(this);
  edit_->setObjectName(QStringLiteral("Edit1"));
  label_->setBuddy(edit_);
  edit_->installEventFilter(this);
  strip_ = new SearchStrip(this);
  searchBtn_ = new QPushButton(QStringLiteral("&Search"), this);
  searchBtn_->setObjectName(QStringLiteral("SearchBtn"));
  searchBtn_->setDefault(true);
  nextBtn_ = new QPushButton(QStringLiteral("&Next"), this);
  nextBtn_->setObjectName(QStringLiteral("NextBtn"));
  nextBtn_->setEnabled(false);
  auto* cancel = new QPushButton(QStringLiteral("Cancel"), this);
  cancel->setObjectName(QStringLiteral("CancelBtn"));

  connect(searchBtn_, &QPushButton::clicked, this, [this] {
    if (searching_) return;
    search(true);
    done(kSearchResult);
  });
  connect(nextBtn_, &QPushButton::clicked, this, [this] {
    if (searching_) return;
    search(false);
    done(kNextResult);
  });
  connect(cancel, &QPushButton::clicked, this, &QDialog::reject);

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(searchBtn_);
  buttons->addWidget(nextBtn_);
  buttons->addWidget(cancel);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(label_);
  layout->addWidget(edit_);
  layout->addWidget(strip_);
  layout->addLayout(buttons);
  setMinimumWidth(360);
}

void TSearchDlg::showSearch() { exec(); }

bool TSearchDlg::search(bool fromStart) {
  if (searching_) return false;
  searching_ = true;
  if (fromStart) state_.position = 0;
  const std::string text = edit_->text().toStdString();
  const std::optional<std::int32_t> row = DoSearch(state_, display_, text, ui_, [this](int percent) {
    strip_->setPercent(percent);
    strip_->repaint();
  });
  searching_ = false;
  nextBtn_->setEnabled(state_.nextEnabled);
  if (row && found) found(*row);
  return row.has_value();
}

void TSearchDlg::searchNext(std::int32_t currentRow) {
  if (searching_) return;
  searching_ = true;
  const std::string text = edit_->text().toStdString();
  const std::optional<std::int32_t> row = SearchNext(state_, display_, text, currentRow, ui_, [this](int percent) {
    strip_->setPercent(percent);
  });
  searching_ = false;
  nextBtn_->setEnabled(state_.nextEnabled);
  if (row && found) found(*row);
}

bool TSearchDlg::eventFilter(QObject* watched, QEvent* event) {
  if (watched == edit_ && event->type() == QEvent::KeyPress) {
    const int key = static_cast<QKeyEvent*>(event)->key();
    if (key == Qt::Key_Return || key == Qt::Key_Enter) {
      search(true);  // the dialog stays open
      return true;
    }
  }
  return QDialog::eventFilter(watched, event);
}

void TSearchDlg::activated() {
  if (searching_) return;
  strip_->setPercent(0);
  edit_->setFocus();
  edit_->selectAll();
}

void TSearchDlg::changeEvent(QEvent* event) {
  QDialog::changeEvent(event);
  if (event->type() == QEvent::ActivationChange && isActiveWindow()) activated();
}

void TSearchDlg::showEvent(QShowEvent* event) {
  QDialog::showEvent(event);
  activated();
}

}  // namespace quorvane::ui
