#include "ui/sync/options_panel.h"

#include <QCheckBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace quorvane::ui {

using fileops::FileOpOptions;

SyncOptionsPanel::SyncOptionsPanel(QWidget* parent) : QWidget(parent) {
  setObjectName(QStringLiteral("pnOptions"));
  auto* management = new QGroupBox(QStringLiteral("File management options :"), this);
  auto* m = new QGridLayout(management);
  cbConfirmDelete = box("cbConfirmDelete", "Confirm file Deletion", &FileOpOptions::cbConfirmDelete, management);
  cbConfirmCreate = box("cbConfirmCreate", "Confirm file Creation", &FileOpOptions::cbConfirmCreate, management);
  cbConfirmReplace = box("cbConfirmReplace", "Confirm file Replacement", &FileOpOptions::cbConfirmReplace, management);
  cbConfirmCreateDir =
      box("cbConfirmCreateDir", "Confirm directory creation", &FileOpOptions::cbConfirmCreateDir, management);
  cbLog = box("cbLog", "Log file", &FileOpOptions::cbLog, management);
  cbClearLog = box("cbClearLog", "Clear log", &FileOpOptions::cbClearLog, management);
  edLogFile = new QLineEdit(management);
  edLogFile->setObjectName(QStringLiteral("edLogFile"));
  bnChooseLog = new QPushButton(QStringLiteral("..."), management);
  bnChooseLog->setObjectName(QStringLiteral("bnChooseLog"));
  m->addWidget(cbConfirmDelete, 0, 0);
  m->addWidget(cbConfirmCreate, 1, 0);
  m->addWidget(cbConfirmReplace, 2, 0);
  m->addWidget(cbConfirmCreateDir, 3, 0);
  auto* logRow = new QHBoxLayout;
  logRow->addWidget(cbLog);
  logRow->addWidget(edLogFile, 1);
  logRow->addWidget(bnChooseLog);
  logRow->addWidget(cbClearLog);
  m->addLayout(logRow, 4, 0);
  cbUseTrash = box("cbUseTrash", "Move deleted and replaced files to the trash", &FileOpOptions::cbUseTrash, management);
  m->addWidget(cbUseTrash, 5, 0);

  auto* errors = new QGroupBox(QStringLiteral("File error handling :"), this);
  auto* e = new QVBoxLayout(errors);
  cbIgnoreReadOnly = box("cbIgnoreReadOnly", "Ignore ReadOnly attribute", &FileOpOptions::cbIgnoreReadOnly, errors);
  cbIgnoreOpenErrors =
      box("cbIgnoreOpenErrors", "Ignore file open errors", &FileOpOptions::cbIgnoreOpenErrors, errors);
  cbIgnoreReadErrors =
      box("cbIgnoreReadErrors", "Ignore file read errors", &FileOpOptions::cbIgnoreReadErrors, errors);
  cbIgnoreWriteErrors =
      box("cbIgnoreWriteErrors", "Ignore file write errors", &FileOpOptions::cbIgnoreWriteErrors, errors);
  cbIgnoreDeleteErrors =
      box("cbIgnoreDeleteErrors", "Ignore file delete errors", &FileOpOptions::cbIgnoreDeleteErrors, errors);
  for (QCheckBox* b : {cbIgnoreReadOnly, cbIgnoreOpenErrors, cbIgnoreReadErrors, cbIgnoreWriteErrors,
                       cbIgnoreDeleteErrors})
    e->addWidget(b);

  auto* layout = new QHBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(management, 1);
  layout->addWidget(errors);

  connect(edLogFile, &QLineEdit::textEdited, this, [this](const QString& text) {
    if (options_) options_->edLogFile = text.toStdString();
  });
  connect(bnChooseLog, &QPushButton::clicked, this, [this] {
    const QString name = QFileDialog::getSaveFileName(this, QString(), QStringLiteral("sync.log"),
                                                      QStringLiteral("Log files (*.log);;All files (*)"));
    if (name.isEmpty() || !options_) return;
    options_->edLogFile = name.toStdString();
    edLogFile->setText(name);
  });
}

QCheckBox* SyncOptionsPanel::box(const char* name, const char* caption, Field field, QWidget* parent) {
  auto* b = new QCheckBox(QString::fromLatin1(caption), parent);
  b->setObjectName(QString::fromLatin1(name));
  boxes_.emplace_back(b, field);
  connect(b, &QCheckBox::toggled, this, [this, field](bool on) {
    if (options_) options_->*field = on;
  });
  return b;
}

void SyncOptionsPanel::bind(FileOpOptions* options) {
  options_ = nullptr;  // no write-back while the controls are filled
  if (options) {
    for (auto& [b, field] : boxes_) b->setChecked(options->*field);
    edLogFile->setText(QString::fromStdString(options->edLogFile));
  }
  options_ = options;
}

void SyncOptionsPanel::load() { bind(options_); }

}  // namespace quorvane::ui
