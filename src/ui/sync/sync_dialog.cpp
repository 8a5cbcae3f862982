#include "ui/sync/sync_dialog.h"

#include <QCheckBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTimer>
#include <QVBoxLayout>

#include "ui/sync/options_panel.h"

namespace quorvane::ui {

namespace {

const char* boxName(SyncBox b) {
  switch (b) {
    case SyncBox::cbMatchOld: return "cbMatchOld";
    case SyncBox::cbMatchNew: return "cbMatchNew";
    case SyncBox::cbMatchForce: return "cbMatchForce";
    case SyncBox::cbMatchOldDelNew: return "cbMatchOldDelNew";
    case SyncBox::cbMatchNewDelOld: return "cbMatchNewDelOld";
    case SyncBox::cbInsOld: return "cbInsOld";
    case SyncBox::cbInsNew: return "cbInsNew";
    case SyncBox::cbDelOld: return "cbDelOld";
    case SyncBox::cbDelNew: return "cbDelNew";
  }
  return "";
}

}  // namespace

TSyncDlg::TSyncDlg(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("SyncDlg"));
  setWindowTitle(QStringLiteral("Synchronize directories"));

  auto* step1 = new QGroupBox(QStringLiteral("1. Choose a general preset :"), this);
  auto* s1 = new QVBoxLayout(step1);
  const char* presetNames[3] = {"bnNewisMaster", "bnNoMaster", "bnOldIsMaster"};
  const char* presetCaptions[3] = {"&New is master. Only Old set is modified.",
                                   "No master. &Both sets are modified to most up-to-date.",
                                   "&Old is master. Only New set is modified."};
  for (std::size_t i = 0; i < 3; ++i) {
    auto* b = new QPushButton(QString::fromLatin1(presetCaptions[i]), step1);
    b->setObjectName(QString::fromLatin1(presetNames[i]));
    connect(b, &QPushButton::clicked, this, [this, i] {
      if (!model_) return;
      model_->ApplyPreset(static_cast<SyncPreset>(i));
      refresh();
    });
    s1->addWidget(b);
    presets_[i] = b;
  }

  auto* step2 = new QGroupBox(QStringLiteral("2. Then customize preset choices :"), this);
  step2->setObjectName(QStringLiteral("pnCustom"));
  for (std::size_t i = 0; i < kSyncBoxCount; ++i) {
    const auto b = static_cast<SyncBox>(i);
    auto* c = new QCheckBox(QString::fromLatin1(SyncDialogModel::Caption(b)), step2);
    c->setObjectName(QString::fromLatin1(boxName(b)));
    connect(c, &QCheckBox::clicked, this, [this, b](bool on) {
      if (!model_) return;
      model_->SetBox(b, on);
      refresh();
    });
    boxes_[i] = c;
  }
  auto* s2 = new QVBoxLayout(step2);
  auto* matching = new QGroupBox(QStringLiteral("Matching files (present in both sets) :"), step2);
  auto* mg = new QGridLayout(matching);
  mg->addWidget(box(SyncBox::cbMatchOld), 0, 0);
  mg->addWidget(box(SyncBox::cbMatchOldDelNew), 0, 1);
  mg->addWidget(box(SyncBox::cbMatchNew), 1, 0);
  mg->addWidget(box(SyncBox::cbMatchNewDelOld), 1, 1);
  mg->addWidget(box(SyncBox::cbMatchForce), 2, 0);
  auto* inserted = new QGroupBox(QStringLiteral("Inserted files (present only in New set) :"), step2);
  auto* ig = new QVBoxLayout(inserted);
  ig->addWidget(box(SyncBox::cbInsOld));
  ig->addWidget(box(SyncBox::cbInsNew));
  auto* deleted = new QGroupBox(QStringLiteral("Deleted files (present only in Old set) :"), step2);
  auto* dg = new QVBoxLayout(deleted);
  dg->addWidget(box(SyncBox::cbDelOld));
  dg->addWidget(box(SyncBox::cbDelNew));
  for (QWidget* w : {static_cast<QWidget*>(matching), static_cast<QWidget*>(inserted), static_cast<QWidget*>(deleted)})
    w->setParent(step2), s2->addWidget(w);
  box(SyncBox::cbMatchForce)->setToolTip(
      QStringLiteral("Ignore timestamp - target files are replaced even when up-to-date or more recent than source"));

  auto* step3 = new QGroupBox(QStringLiteral("3. Apply to :"), this);
  step3->setObjectName(QStringLiteral("pnApplyTo"));
  auto* s3 = new QHBoxLayout(step3);
  LSelected = new QLabel(step3);
  LSelected->setObjectName(QStringLiteral("LSelected"));
  rbSelected = new QRadioButton(QStringLiteral("&Selected files only"), step3);
  rbSelected->setObjectName(QStringLiteral("rbSelected"));
  rbAll = new QRadioButton(QStringLiteral("&All files displayed"), step3);
  rbAll->setObjectName(QStringLiteral("rbAll"));
  cbSaveAsdefault = new QCheckBox(QStringLiteral("Save as default"), step3);
  cbSaveAsdefault->setObjectName(QStringLiteral("cbSaveAsdefault"));
  s3->addWidget(rbSelected);
  s3->addWidget(LSelected);
  s3->addWidget(rbAll);
  s3->addStretch();
  s3->addWidget(cbSaveAsdefault);
  connect(rbAll, &QRadioButton::toggled, this, [this](bool on) {
    if (model_) model_->rbAll = on;
    blink_ = false;
    paintApplyTo(on);
  });
  connect(cbSaveAsdefault, &QCheckBox::toggled, this, [this](bool on) {
    if (model_) model_->cbSaveAsdefault = on;
  });

  pnOptions = new SyncOptionsPanel(this);

  bnSync = new QPushButton(QStringLiteral("Synchronize no&w"), this);
  bnSync->setObjectName(QStringLiteral("bnSync"));
  bnSimulate = new QPushButton(QStringLiteral("Sim&ulate"), this);
  bnSimulate->setObjectName(QStringLiteral("bnSimulate"));
  bnSimulate->setDefault(true);
  bnCancel = new QPushButton(QStringLiteral("Cancel"), this);
  bnCancel->setObjectName(QStringLiteral("bnCancel"));
  bnHelp = new QPushButton(QStringLiteral("Help"), this);
  bnHelp->setObjectName(QStringLiteral("bnHelp"));
  bnSync->setEnabled(false);
  bnSimulate->setEnabled(false);
  connect(bnSync, &QPushButton::clicked, this, [this] {
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
  timer_->setInterval(500);
  connect(timer_, &QTimer::timeout, this, [this] {
    if (!rbAll->isChecked()) return;
    blink_ = !blink_;
    paintApplyTo(!blink_);
  });

  auto* buttons = new QHBoxLayout;
  buttons->addStretch();
  for (QPushButton* b : {bnSync, bnSimulate, bnCancel, bnHelp}) buttons->addWidget(b);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(step1);
  layout->addWidget(step2);
  layout->addWidget(step3);
  layout->addWidget(pnOptions);
  layout->addLayout(buttons);
}

void TSyncDlg::showModel(SyncDialogModel& model) {
  model_ = nullptr;
  rbAll->setChecked(model.rbAll);
  rbSelected->setChecked(!model.rbAll);
  cbSaveAsdefault->setChecked(model.cbSaveAsdefault);
  LSelected->setText(QString::fromStdString(model.LSelected));
  pnOptions->bind(&model.Options);
  model_ = &model;
  paintApplyTo(model.rbAll);
  refresh();
}

platform::DialogChoice TSyncDlg::choose(SyncDialogModel& model) {
  showModel(model);
  choice_ = platform::DialogChoice::Cancel;
  timer_->start();
  const int result = exec();
  timer_->stop();
  pnOptions->bind(nullptr);
  model_ = nullptr;
  return result == QDialog::Accepted ? choice_ : platform::DialogChoice::Cancel;
}

void TSyncDlg::refresh() {
  if (!model_) return;
  for (std::size_t i = 0; i < kSyncBoxCount; ++i) {
    const auto b = static_cast<SyncBox>(i);
    boxes_[i]->setChecked(model_->Checked(b));
    boxes_[i]->setEnabled(model_->Enabled(b));
  }
  bnSimulate->setEnabled(model_->SimulateEnabled());
  bnSync->setEnabled(model_->SyncEnabled());
}

void TSyncDlg::paintApplyTo(bool red) {
  QFont f = rbAll->font();
  f.setBold(rbAll->isChecked());
  rbAll->setFont(f);
  rbAll->setStyleSheet(red && rbAll->isChecked() ? QStringLiteral("color: red") : QString());
}

}  // namespace quorvane::ui
