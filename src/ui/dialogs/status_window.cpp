#include "ui/dialogs/status_window.h"

#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane::ui {

StatusWindow::StatusWindow(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("StatusForm"));
  setWindowTitle(QStringLiteral("Comparison status"));

  auto* group = new QGroupBox(QStringLiteral("Last diff operation"), this);
  auto* grid = new QGridLayout(group);
  int row = 0;
  auto add = [&](const char* caption, const char* name) {
    auto* value = new QLabel(group);
    value->setObjectName(QString::fromLatin1(name));
    value->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    value->setMinimumWidth(90);
    grid->addWidget(new QLabel(QString::fromLatin1(caption), group), row, 0);
    grid->addWidget(value, row, 1);
    ++row;
    return value;
  };
  compared_ = add("Files compared :", "LCompared");
  matching_ = add("Matching filter :", "LMatching");
  newDupes_ = add("Duplicates - new :", "LNewDupes");
  oldDupes_ = add("Duplicates - old :", "LOldDupes");
  errFiles_ = add("Files with error :", "LErrFiles");
  const char* captions[8] = {"Identical :", "Differs :", "Inserted :", "Deleted :",
                             "Newer :",     "Older :",   "Bigger :",   "Smaller :"};
  const char* names[8] = {"LSame", "LDiffers", "LInserted", "LDeleted", "LNewer", "LOlder", "LBigger", "LSmaller"};
  for (std::size_t i = 0; i < 8; ++i) shown_[i] = add(captions[i], names[i]);
  memory_ = add("Memory used / left :", "LMemUsedLeft");
  elapsed_ = add("Time elapsed :", "LElapsed");
  saveStatus_ = add("Save status :", "LSaveStatus");

  warning_ = new QLabel(QStringLiteral("Warning : subdirectories found in archive"), this);
  warning_->setObjectName(QStringLiteral("LWarningPath"));
  warning_->setStyleSheet(QStringLiteral("color: red"));
  warning_->hide();

  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("bnClose"));
  close->setDefault(true);
  auto* help = new QPushButton(QStringLiteral("&Help"), this);
  help->setObjectName(QStringLiteral("bnHelp"));
  help->setAutoDefault(false);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(QString::fromLatin1(kHelpTopic)); });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(close);
  buttons->addWidget(help);

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group);
  layout->addWidget(warning_);
  layout->addLayout(buttons);
}

void StatusWindow::fill(const StatusTexts& t) {
  auto set = [](QLabel* label, const std::string& text) { label->setText(QString::fromStdString(text)); };
  set(compared_, t.compared);
  set(matching_, t.matching);
  set(newDupes_, t.newDuplicates);
  set(oldDupes_, t.oldDuplicates);
  set(errFiles_, t.filesInError);
  for (std::size_t i = 0; i < shown_.size(); ++i) set(shown_[i], t.shown[i]);
  set(memory_, t.memory);
  set(elapsed_, t.elapsed);
  set(saveStatus_, t.saveStatus);
  QPalette palette = saveStatus_->palette();
  palette.setColor(QPalette::WindowText, t.saved ? QColor(0, 128, 0) : QColor(255, 0, 0));
  saveStatus_->setPalette(palette);
  warning_->setVisible(t.warningVisible);
}

void StatusWindow::showTexts(const StatusTexts& texts) {
  fill(texts);
  exec();
}

void StatusWindow::keyPressEvent(QKeyEvent* event) {
  switch (event->key()) {
    case Qt::Key_F1:
      emit helpRequested(QString::fromLatin1(kHelpTopic));
      event->accept();
      return;
    case Qt::Key_Return:
    case Qt::Key_Enter:
      accept();
      event->accept();
      return;
    default: QDialog::keyPressEvent(event);  // Escape closes
  }
}

}  // namespace quorvane::ui
