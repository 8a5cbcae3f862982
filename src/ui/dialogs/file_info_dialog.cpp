#include "ui/dialogs/file_info_dialog.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_texts.h"

namespace quorvane::ui {

namespace {

QLabel* Caption(const char* text, QWidget* parent) { return new QLabel(QString::fromLatin1(text), parent); }

QLabel* Value(const char* name, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setTextFormat(Qt::PlainText);
  label->setTextInteractionFlags(Qt::TextSelectableByMouse);
  return label;
}

void Show(QLabel* label, const std::string& text, bool enabled, bool bold) {
  label->setText(FromUtf8(text));
  label->setEnabled(enabled);
  QFont font = label->font();
  font.setBold(bold);
  label->setFont(font);
}

}  // namespace

TFileInfoDlg::TFileInfoDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FileInfoDlg"));
  setWindowTitle(QStringLiteral("File information"));

  auto* top = new QGridLayout;
  top->addWidget(Caption("File :", this), 0, 0);
  top->addWidget(Value("LName", this), 0, 1);
  top->addWidget(Caption("Status :", this), 1, 0);
  top->addWidget(Value("LStatus", this), 1, 1);
  top->addWidget(Caption("Moved to:", this), 2, 0);
  top->addWidget(Value("LMovedTo", this), 2, 1);
  top->setColumnStretch(1, 1);

  auto* columns = new QGridLayout;
  QLabel* newHead = Caption("New", this);
  QLabel* oldHead = Caption("Old", this);
  QFont head = newHead->font();
  head.setBold(true);
  newHead->setFont(head);
  oldHead->setFont(head);
  columns->addWidget(newHead, 0, 1);
  columns->addWidget(oldHead, 0, 2);
  const char* captions[] = {"Date :", "Time :", "Size :", "32-bit CRC :", "Attribute :"};
  const char* newNames[] = {"LNDate", "LNTime", "LNSize", "LNCrc", "LNAttr"};
  const char* oldNames[] = {"LODate", "LOTime", "LOSize", "LOCrc", "LOAttr"};
  for (int i = 0; i < 5; ++i) {
    columns->addWidget(Caption(captions[i], this), i + 1, 0);
    columns->addWidget(Value(newNames[i], this), i + 1, 1);
    columns->addWidget(Value(oldNames[i], this), i + 1, 2);
  }
  columns->setColumnMinimumWidth(1, 150);
  columns->setColumnMinimumWidth(2, 150);

  debugPanel_ = new QWidget(this);
  debugPanel_->setObjectName(QStringLiteral("pnDebug"));
  auto* debug = new QGridLayout(debugPanel_);
  debug->setContentsMargins(0, 0, 0, 0);
  debug->addWidget(Caption("TimeStamp :", debugPanel_), 0, 0);
  debug->addWidget(Value("LNTimeStamp", debugPanel_), 0, 1);
  debug->addWidget(Value("LOTimeStamp", debugPanel_), 0, 2);
  debug->setColumnMinimumWidth(1, 150);
  debug->setColumnMinimumWidth(2, 150);
  debugPanel_->hide();

  auto* help = new QPushButton(QStringLiteral("&Help"), this);
  help->setObjectName(QStringLiteral("bnHelp"));
  auto* close = new QPushButton(QStringLiteral("&Close"), this);
  close->setObjectName(QStringLiteral("bnClose"));
  close->setDefault(true);
  connect(help, &QPushButton::clicked, this, [this] { emit helpRequested(QString::fromLatin1(kHelpTopic)); });
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  buttons->addWidget(help);
  buttons->addWidget(close);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top);
  layout->addSpacing(6);
  layout->addLayout(columns);
  layout->addWidget(debugPanel_);
  layout->addLayout(buttons);
}

QLabel* TFileInfoDlg::label(const char* name) const { return findChild<QLabel*>(QString::fromLatin1(name)); }

void TFileInfoDlg::fill(const FileInformation& info, bool diagnosticMode) {
  Show(label("LName"), info.name, true, false);
  Show(label("LStatus"), info.status, true, false);
  Show(label("LMovedTo"), info.movedTo, true, false);
  const struct {
    const FileInfoColumn& side;
    const char* names[6];
  } columns[] = {
      {info.newSide, {"LNDate", "LNTime", "LNSize", "LNCrc", "LNAttr", "LNTimeStamp"}},
      {info.oldSide, {"LODate", "LOTime", "LOSize", "LOCrc", "LOAttr", "LOTimeStamp"}},
  };
  for (const auto& c : columns) {
    Show(label(c.names[0]), c.side.date, c.side.enabled, info.dateBold);
    Show(label(c.names[1]), c.side.time, c.side.enabled, info.timeBold);
    Show(label(c.names[2]), c.side.size, c.side.enabled, info.sizeBold);
    Show(label(c.names[3]), c.side.crc, c.side.enabled, info.crcBold);
    Show(label(c.names[4]), c.side.attribute, c.side.enabled, info.attributeBold);
    Show(label(c.names[5]), c.side.timeStamp, c.side.enabled, false);
  }
  debugPanel_->setVisible(diagnosticMode);
  adjustSize();
}

void TFileInfoDlg::showAt(const FileInformation& info, bool diagnosticMode, QPoint at) {
  fill(info, diagnosticMode);
  move(at);
  exec();
}

}  // namespace quorvane::ui
