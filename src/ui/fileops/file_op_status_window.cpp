#include "ui/fileops/file_op_status_window.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTableView>
#include <QVBoxLayout>

#include "ui/dialogs/dialog_texts.h"
#include "ui/fileops/status_list_model.h"

namespace quorvane::ui {

namespace {

template <class W>
W* named(W* widget, const char* name) {
  widget->setObjectName(QString::fromLatin1(name));
  return widget;
}

QLabel* pathLabel(QWidget* parent, const char* name) {
  auto* label = named(new QLabel(parent), name);
  label->setTextFormat(Qt::PlainText);
  label->setMinimumWidth(420);
  label->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);  // a long path must not widen the window
  return label;
}

}  // namespace

TfrmFileOpStatus::TfrmFileOpStatus(fileops::FileOpStatusModel& status, platform::UserInterface& ui, QWidget* parent)
    : QDialog(parent), status_(status), ui_(ui) {
  setObjectName(QStringLiteral("frmFileOpStatus"));
  LStatus_ = pathLabel(this, "LStatus");
  LSource_ = pathLabel(this, "LSource");
  LDest_ = pathLabel(this, "LDest");
  ProgressBarFile_ = named(new QProgressBar(this), "ProgressBarFile");
  ProgressBarTotal_ = named(new QProgressBar(this), "ProgressBarTotal");
  LSimulation0_ = named(new QLabel(QStringLiteral("SIMULATION MODE"), this), "LSimulation0");
  LSimulation0_->setStyleSheet(QStringLiteral("color: green; font-weight: bold"));
  LSimulation0_->setToolTip(QStringLiteral("Indicates that no file is modified"));
  LCreated_ = named(new QLabel(QStringLiteral("0"), this), "LCreated");
  LReplaced_ = named(new QLabel(QStringLiteral("0"), this), "LReplaced");
  LDeleted_ = named(new QLabel(QStringLiteral("0"), this), "LDeleted");
  LErrors_ = named(new QLabel(QStringLiteral("0"), this), "LErrors");
  LCompletion_ = named(new QLabel(QStringLiteral("n/a"), this), "LCompletion");
  cbSlowSimulation_ = named(new QCheckBox(QStringLiteral("Slow Simulation"), this), "cbSlowSimulation");
  cbSlowSimulation_->setToolTip(QStringLiteral("Really reads source files, for a realistic estimation of processing time"));
  bnLog_ = named(new QPushButton(QStringLiteral("&View log"), this), "bnLog");
  bnHelp_ = named(new QPushButton(QStringLiteral("&Help"), this), "bnHelp");
  bnAbort_ = named(new QPushButton(QStringLiteral("Abort"), this), "bnAbort");
  bnAbort_->setDefault(true);
  for (QPushButton* b : {bnLog_, bnHelp_}) b->setAutoDefault(false);

  rows_ = new StatusListModel(status_, this);
  LVStatus_ = named(new QTableView(this), "LVStatus");
  LVStatus_->setModel(rows_);
  LVStatus_->setSelectionBehavior(QAbstractItemView::SelectRows);
  LVStatus_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  LVStatus_->setShowGrid(false);
  LVStatus_->setWordWrap(false);
  LVStatus_->verticalHeader()->hide();
  // Fixed row heights: the view never measures rows, whatever their number.
  LVStatus_->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  LVStatus_->verticalHeader()->setDefaultSectionSize(fontMetrics().height() + 4);
  LVStatus_->horizontalHeader()->setSectionResizeMode(QHeaderView::Interactive);
  LVStatus_->setColumnWidth(0, 144);
  LVStatus_->setColumnWidth(1, 512);
  LVStatus_->setIconSize(QSize(64, 16));

  auto* texts = new QGridLayout;
  texts->addWidget(new QLabel(QStringLiteral("Status :"), this), 0, 0);
  texts->addWidget(LStatus_, 0, 1);
  texts->addWidget(new QLabel(QStringLiteral("From :"), this), 1, 0);
  texts->addWidget(LSource_, 1, 1);
  texts->addWidget(new QLabel(QStringLiteral("To :"), this), 2, 0);
  texts->addWidget(LDest_, 2, 1);
  texts->addWidget(new QLabel(QStringLiteral("File :"), this), 3, 0);
  texts->addWidget(ProgressBarFile_, 3, 1);
  texts->addWidget(new QLabel(QStringLiteral("Total :"), this), 4, 0);
  texts->addWidget(ProgressBarTotal_, 4, 1);
  texts->setColumnStretch(1, 1);

  auto* counters = new QGridLayout;
  counters->addWidget(new QLabel(QStringLiteral("Files created :"), this), 0, 0);
  counters->addWidget(LCreated_, 0, 1);
  counters->addWidget(new QLabel(QStringLiteral("Files replaced :"), this), 1, 0);
  counters->addWidget(LReplaced_, 1, 1);
  counters->addWidget(new QLabel(QStringLiteral("Files deleted :"), this), 2, 0);
  counters->addWidget(LDeleted_, 2, 1);
  auto* errorsCaption = new QLabel(QStringLiteral("Errors :"), this);
  errorsCaption->setStyleSheet(QStringLiteral("font-weight: bold"));
  counters->addWidget(errorsCaption, 3, 0);
  counters->addWidget(LErrors_, 3, 1);
  counters->addWidget(new QLabel(QStringLiteral("Progress :"), this), 0, 2);
  counters->addWidget(LCompletion_, 0, 3);
  counters->addWidget(LSimulation0_, 1, 2, 1, 2);
  counters->addWidget(cbSlowSimulation_, 2, 2, 1, 2);
  counters->setColumnStretch(1, 1);
  counters->setColumnStretch(3, 1);

  auto* buttons = new QHBoxLayout;
  buttons->addWidget(bnLog_);
  buttons->addWidget(bnHelp_);
  buttons->addStretch();
  buttons->addWidget(bnAbort_);

  auto* layout = new QVBoxLayout(this);
  layout->addLayout(texts);
  layout->addLayout(counters);
  layout->addLayout(buttons);
  layout->addWidget(LVStatus_, 1);
  resize(700, 480);

  // Rows reach the view once per event turn however many the engine added meanwhile.
  rowTimer_.setSingleShot(true);
  rowTimer_.setInterval(0);
  connect(&rowTimer_, &QTimer::timeout, this, &TfrmFileOpStatus::syncRows);
  connect(bnAbort_, &QPushButton::clicked, this, &TfrmFileOpStatus::bnAbortClick);
  connect(bnHelp_, &QPushButton::clicked, this, [this] { ui_.openHelpTopic("File_operation_status"); });
  connect(bnLog_, &QPushButton::clicked, this, [this] {
    if (viewLog) viewLog();
  });
  connect(cbSlowSimulation_, &QCheckBox::toggled, this, [this](bool on) {
    if (on != status_.SlowSimulation()) status_.setSlowSimulation(on);
  });

  status_.setFace(this);
  statusChanged(~0u);
}

TfrmFileOpStatus::~TfrmFileOpStatus() { status_.setFace(nullptr); }

void TfrmFileOpStatus::statusChanged(unsigned changes) {
  if (changes & fileops::scTexts) showTexts();
  if (changes & fileops::scFileBar) ProgressBarFile_->setValue(status_.FileBar());
  if (changes & fileops::scTotal) {
    ProgressBarTotal_->setValue(status_.TotalBar());
    LCompletion_->setText(WindowText(status_.LCompletion()));
  }
  if (changes & fileops::scCounters) showCounters();
  if (changes & fileops::scFrame) showFrame();
  if (changes & fileops::scResults) {
    if (status_.resultCount() < static_cast<std::size_t>(rows_->rowCount())) {
      syncRows();  // emptied: at once
    } else if (!rowTimer_.isActive()) {
      rowTimer_.start();
    }
  }
}

void TfrmFileOpStatus::showTexts() {
  LStatus_->setText(WindowText(status_.LStatus()));
  LSource_->setText(WindowText(status_.LSource()));
  LDest_->setText(WindowText(status_.LDest()));
}

void TfrmFileOpStatus::showCounters() {
  const fileops::FileOpCounters& c = status_.ShownCounters();
  LCreated_->setText(QString::number(c.Created));
  // "(trash)": the deleted and replaced files can be taken back from the trash.
  const QString trash = status_.TrashInUse() ? QStringLiteral(" (trash)") : QString();
  LReplaced_->setText(QString::number(c.Replaced) + trash);
  LDeleted_->setText(QString::number(c.Deleted) + trash);
  LErrors_->setText(QString::number(c.Errors));
  LErrors_->setStyleSheet(status_.ErrorsRed() ? QStringLiteral("color: red; font-weight: bold")
                                              : QStringLiteral("font-weight: bold"));
}

void TfrmFileOpStatus::showFrame() {
  setWindowTitle(WindowText(status_.Caption()));
  LSimulation0_->setVisible(status_.Simulation());
  cbSlowSimulation_->setEnabled(status_.SlowSimulationEnabled());
  cbSlowSimulation_->setChecked(status_.SlowSimulation());
  bnAbort_->setText(WindowText(status_.AbortCaption()));
  bnAbort_->setEnabled(status_.AbortEnabled());
}

void TfrmFileOpStatus::syncRows() {
  if (rows_->sync()) LVStatus_->scrollToBottom();
}

int TfrmFileOpStatus::shownRows() const { return rows_->rowCount(); }

void TfrmFileOpStatus::showModeless() {
  setModal(false);
  show();
  raise();
}

void TfrmFileOpStatus::showModal() {
  syncRows();
  setModal(true);
  exec();
  setModal(false);
}

void TfrmFileOpStatus::hideWindow() { hide(); }

void TfrmFileOpStatus::bnAbortClick() {
  if (status_.bnAbortClick(ui_)) done(QDialog::Accepted);
}

// Escape acts as the button: asks while running, closes at the end.
void TfrmFileOpStatus::reject() { bnAbortClick(); }

// The close box cannot end a run without the question.
void TfrmFileOpStatus::closeEvent(QCloseEvent* event) {
  if (status_.AbortCaption() == "Abort" && isVisible()) {
    event->ignore();
    bnAbortClick();
    return;
  }
  QDialog::closeEvent(event);
}

}  // namespace quorvane::ui
