#include "ui/sync/file_op_dialog.h"

#include <algorithm>

#include <QCheckBox>
#include <QComboBox>
#include <QFileDialog>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/sync/options_panel.h"

namespace quorvane::ui {

TFileOpDlg::TFileOpDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("FileOpDlg"));
  setWindowTitle(QStringLiteral("File operations"));

  auto* fileCopy = new QWidget(this);
  fileCopy->setObjectName(QStringLiteral("PnFileCopy"));
  auto* grid = new QGridLayout(fileCopy);
  ActionCombo = new QComboBox(fileCopy);
  ActionCombo->setObjectName(QStringLiteral("ActionCombo"));
  for (FileOpAction a : {FileOpAction::Copy, FileOpAction::Move, FileOpAction::Delete})
    ActionCombo->addItem(QString::fromLatin1(FileOpDialogModel::ActionName(a)));
  auto* actionLabel = new QLabel(QStringLiteral("A&ction :"), fileCopy);
  actionLabel->setBuddy(ActionCombo);
  LSelected = new QLabel(QStringLiteral("0 of 0"), fileCopy);
  LSelected->setObjectName(QStringLiteral("LSelected"));
  LFileList = new QLabel(fileCopy);
  LFileList->setObjectName(QStringLiteral("LFileList"));
  LFrom = new QLineEdit(fileCopy);
  LFrom->setObjectName(QStringLiteral("LFrom"));
  LFrom->setEnabled(false);
  rbSelected = new QRadioButton(QStringLiteral("&Selected files only : "), fileCopy);
  rbSelected->setObjectName(QStringLiteral("rbSelected"));
  rbAll = new QRadioButton(QStringLiteral("&All files displayed"), fileCopy);
  rbAll->setObjectName(QStringLiteral("rbAll"));
  cbSaveAsDefault = new QCheckBox(QStringLiteral("&Default"), fileCopy);
  cbSaveAsDefault->setObjectName(QStringLiteral("cbSaveAsDefault"));

  PanelTo = new QWidget(fileCopy);
  PanelTo->setObjectName(QStringLiteral("PanelTo"));
  auto* to = new QHBoxLayout(PanelTo);
  to->setContentsMargins(0, 0, 0, 0);
  cbTo = new QComboBox(PanelTo);
  cbTo->setObjectName(QStringLiteral("cbTo"));
  cbTo->setEditable(true);
  cbTo->setInsertPolicy(QComboBox::NoInsert);
  BnSelect = new QPushButton(QStringLiteral("..."), PanelTo);
  BnSelect->setObjectName(QStringLiteral("BnSelect"));
  to->addWidget(new QLabel(QStringLiteral("To :"), PanelTo));
  to->addWidget(cbTo, 1);
  to->addWidget(BnSelect);

  grid->addWidget(actionLabel, 0, 0);
  grid->addWidget(ActionCombo, 0, 1);
  grid->addWidget(new QLabel(QStringLiteral("From :"), fileCopy), 1, 0);
  grid->addWidget(LFrom, 1, 1);
  grid->addWidget(PanelTo, 2, 0, 1, 2);
  grid->addWidget(rbSelected, 3, 0);
  grid->addWidget(LSelected, 3, 1);
  grid->addWidget(rbAll, 4, 0);
  grid->addWidget(cbSaveAsDefault, 4, 1);
  grid->addWidget(LFileList, 5, 0, 1, 2);

  pnOptions = new SyncOptionsPanel(this);

  bnOk = new QPushButton(QStringLiteral("Copy no&w"), this);
  bnOk->setObjectName(QStringLiteral("bnOk"));
  bnSimulate = new QPushButton(QStringLiteral("Sim&ulate"), this);
  bnSimulate->setObjectName(QStringLiteral("bnSimulate"));
  bnSimulate->setDefault(true);
  bnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));
  bnHelp = new QPushButton(QStringLiteral("Help"), this);
  bnHelp->setObjectName(QStringLiteral("bnHelp"));

  connect(ActionCombo, &QComboBox::currentIndexChanged, this, [this](int index) {
    if (model_ && index >= 0) model_->Action = static_cast<FileOpAction>(index);
    actionChanged();
  });
  connect(cbTo, &QComboBox::editTextChanged, this, [this](const QString& text) {
    if (model_) model_->cbTo = text.toStdString();
  });
  connect(BnSelect, &QPushButton::clicked, this, [this] {
    if (!model_) return;
    std::optional<std::string> dir;
    if (model_->ChooseTarget)
      dir = model_->ChooseTarget();
    else if (const QString picked = QFileDialog::getExistingDirectory(this, QStringLiteral("Select TARGET directory"));
             !picked.isEmpty())
      dir = picked.toStdString();
    if (!dir || dir->empty()) return;
    model_->TargetChosen(*dir);
    cbTo->setEditText(QString::fromStdString(*dir));
  });
  connect(rbAll, &QRadioButton::toggled, this, [this](bool on) {
    if (model_) model_->rbAll = on;
    blink_ = false;
    paintApplyTo(on);
  });
  connect(cbSaveAsDefault, &QCheckBox::toggled, this, [this](bool on) {
    if (model_) model_->cbSaveAsDefault = on;
  });
  connect(bnOk, &QPushButton::clicked, this, [this] {
    choice_ = platform::DialogChoice::Run;
    accept();
  });
  connect(bnSimulate, &QPushButton::clicked, this, [this] {
    choice_ = platform::DialogChoice::Simulate;
    accept();
  });
  connect(bnCancel, &QPushButton::clicked, this, &QDialog::reject);
  connect(bnHelp, &QPushButton::clicked, this, [this] { emit helpRequested(QString::fromLatin1(kHelpTopic)); });

  timer_ = new QTimer(this);
  timer_->setInterval(250);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (!rbAll->isChecked()) return;
    blink_ = !blink_;
    paintApplyTo(!blink_);
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {bnOk, bnSimulate, bnCancel, bnHelp}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(fileCopy);
  layout->addSpacing(12);
  layout->addWidget(pnOptions);
  layout->addLayout(buttons);
}

void TFileOpDlg::showModel(FileOpDialogModel& model) {
  model_ = nullptr;
  ActionCombo->setCurrentIndex(static_cast<int>(model.Action));
  LFrom->setText(QString::fromStdString(model.LFrom));
  cbTo->clear();
  for (const std::string& item : model.History) cbTo->addItem(QString::fromStdString(item));
  cbTo->setEditText(QString::fromStdString(model.cbTo));
  rbAll->setChecked(model.rbAll);
  rbSelected->setChecked(!model.rbAll);
  cbSaveAsDefault->setChecked(model.cbSaveAsDefault);
  LSelected->setText(QString::fromStdString(model.LSelected));
  QStringList files;
  for (const std::string& f : model.LFileList) files << QString::fromStdString(f);
  LFileList->setText(files.join(QLatin1Char('\n')));
  pnOptions->bind(model.Options);
  model_ = &model;
  paintApplyTo(model.rbAll);
  actionChanged();
}

platform::DialogChoice TFileOpDlg::choose(FileOpDialogModel& model) {
  showModel(model);
  choice_ = platform::DialogChoice::Cancel;
  timer_->start();
  const int result = exec();
  timer_->stop();
  pnOptions->bind(nullptr);
  model_ = nullptr;
  return result == QDialog::Accepted ? choice_ : platform::DialogChoice::Cancel;
}

void TFileOpDlg::actionChanged() {
  const auto action = static_cast<FileOpAction>(std::max(0, ActionCombo->currentIndex()));
  PanelTo->setVisible(action != FileOpAction::Delete);
  bnOk->setText(QString::fromLatin1(FileOpDialogModel::ActionName(action)) + QStringLiteral(" no&w"));
}

void TFileOpDlg::paintApplyTo(bool red) {
  QFont f = rbAll->font();
  f.setBold(rbAll->isChecked());
  rbAll->setFont(f);
  rbAll->setStyleSheet(red && rbAll->isChecked() ? QStringLiteral("color: red") : QString());
}

}  // namespace quorvane::ui
