#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMenuBar>
#include <QToolButton>
#include <QUrl>
#include <QVBoxLayout>

#include "config/ini_file.h"
#include "engine/results_view.h"
#include "program/run_commands.h"
#include "program/run_guarded.h"
#include "program/set_commands.h"
#include "program/sort_commands.h"
#include "program/termine.h"
#include "ui/grid/results_grid.h"
#include "view/grid_columns.h"
#include "view/set_label_layout.h"
#include "ui/main_window/results_area.h"
#include "ui/main_window/set_labels_panel.h"

namespace quorvane::ui {

namespace {

QString fromText(const std::string& text) { return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())); }

// An indicator of the status bar: grey, or highlighted while its condition holds.
void showIndicator(QLabel* label, bool active) {
  label->setStyleSheet(active ? QStringLiteral("color: #0000FF; font-weight: bold;")
                              : QStringLiteral("color: #808080;"));
}

QLabel* statusPanel(QWidget* parent, const char* name, const QString& text, QHBoxLayout* row, int stretch = 0) {
  auto* label = new QLabel(text, parent);
  label->setObjectName(QString::fromLatin1(name));
  label->setFrameShape(QFrame::StyledPanel);
  label->setFrameShadow(QFrame::Sunken);
  label->setContentsMargins(4, 0, 4, 0);
  label->setTextFormat(Qt::PlainText);
  row->addWidget(label, stretch);
  return label;
}

}  // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(fromText(program_.caption));
  setAcceptDrops(true);

  central_ = new QWidget(this);
  auto* column = new QVBoxLayout(central_);
  column->setContentsMargins(0, 0, 0, 0);
  column->setSpacing(0);
  column->addWidget(makeButtonBar());
  labels_ = new SetLabelsPanel(central_);
  column->addWidget(labels_);
  auto* area = new ResultsArea(central_);
  grid_ = new ResultsGrid(program_, area);
  grid_->setObjectName(QStringLiteral("Grid1"));
  grid_->hide();
  area->setContent(grid_);
  column->addWidget(area, 1);
  column->addWidget(makeStatusBar());
  setCentralWidget(central_);

  connect(grid_, &ResultsGrid::headerClicked, this, [this](int column) {
    const int kind = view::SortKindOfColumn(column, program_.comparison.State.SnapshotMode);
    if (kind >= 0) dispatch([&] { SortBy(program_, kind); });
  });
  connect(grid_, &ResultsGrid::columnWidthsChanged, this, [this] { layOutSetLabels(); });

  makeHelpMenu();
  resize(900, 600);
  refreshButtons();
  refreshStatusBar();
}

void MainWindow::makeHelpMenu() {
  QMenu* help = menuBar()->addMenu(QStringLiteral("&Help"));
  auto topic = [this](const char* name) { return [this, name] { program_.ui.openHelpTopic(name); }; };
  QAction* index = help->addAction(QStringLiteral("&Index"), this, topic("Main_window"));
  index->setShortcut(QKeySequence(Qt::Key_F1));
  help->addAction(QStringLiteral("&Quick start"), this, topic("Quick_start"));
  help->addAction(QStringLiteral("&Legend"), this, topic("Legend"));
  help->addSeparator();
  help->addAction(QStringLiteral("&About..."), this, [this] { emit aboutRequested(); });
}

QWidget* MainWindow::makeButtonBar() {
  auto* bar = new QWidget(central_);
  bar->setObjectName(QStringLiteral("pnButtonBar"));
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(4, 3, 4, 3);
  row->setSpacing(2);
  auto button = [&](const char* name, const QString& text, const QString& hint) {
    auto* b = new QToolButton(bar);
    b->setObjectName(QString::fromLatin1(name));
    b->setText(text);
    b->setToolTip(hint);
    b->setToolButtonStyle(Qt::ToolButtonTextOnly);
    b->setMinimumWidth(64);
    return b;
  };
  setButtons_[0] = button("NewDirBut1", QStringLiteral("New Dir"), QStringLiteral("Choose the NEW directory\nRight-click: recent directories"));
  setButtons_[1] = button("NewArcBut1", QStringLiteral("New Arc"), QStringLiteral("Choose the NEW archive or snapshot\nRight-click: recent files"));
  diffButton_ = button("bnDiff", QStringLiteral("Diff"), QStringLiteral("Compare the NEW and OLD sets"));
  resetButton_ = button("bnResetDiff", QStringLiteral("Reset"), QStringLiteral("Choose both sets again and clear the results"));
  setButtons_[2] = button("OldDirBut1", QStringLiteral("Old Dir"), QStringLiteral("Choose the OLD directory\nRight-click: recent directories"));
  setButtons_[3] = button("OldArcBut1", QStringLiteral("Old Arc"), QStringLiteral("Choose the OLD archive or snapshot\nRight-click: recent files"));

  row->addWidget(setButtons_[0]);
  row->addWidget(setButtons_[1]);
  row->addStretch(1);
  row->addWidget(diffButton_);
  row->addWidget(resetButton_);
  row->addStretch(1);
  row->addWidget(setButtons_[2]);
  row->addWidget(setButtons_[3]);

  for (int tag = 0; tag < 4; ++tag) {
    QToolButton* b = setButtons_[tag];
    const Side side = tag < 2 ? Side::New : Side::Old;
    const bool directory = tag % 2 == 0;
    connect(b, &QToolButton::clicked, this, [this, side, directory] {
      dispatch([&] {
        if (directory)
          ChooseDirectoryByDialog(program_, side);
        else
          ChooseFileByDialog(program_, side);
      });
    });
    b->setContextMenuPolicy(Qt::CustomContextMenu);
    connect(b, &QToolButton::customContextMenuRequested, this, [this, tag, b](const QPoint& at) {
      QMenu* menu = historyMenu(tag);
      if (!menu->isEmpty()) menu->popup(b->mapToGlobal(at));
    });
  }
  connect(diffButton_, &QToolButton::clicked, this, [this] { dispatch([&] { Diff(program_); }); });
  connect(resetButton_, &QToolButton::clicked, this, [this] { dispatch([&] { ResetDiff(program_); }); });
  return bar;
}

QWidget* MainWindow::makeStatusBar() {
  auto* bar = new QWidget(central_);
  bar->setObjectName(QStringLiteral("pnBottom"));
  auto* row = new QHBoxLayout(bar);
  row->setContentsMargins(2, 2, 2, 2);
  row->setSpacing(2);
  matching_ = statusPanel(bar, "LMatching", QStringLiteral("0 of 0 files matching filter"), row);
  matching_->setMinimumWidth(180);
  filterActive_ = statusPanel(bar, "LFilterActive", QStringLiteral("Filter"), row);
  crcActive_ = statusPanel(bar, "LCRCActive", QStringLiteral("No CRC"), row);
  maskActive_ = statusPanel(bar, "LMaskActive", QStringLiteral("Mask"), row);
  inclExclActive_ = statusPanel(bar, "LInclExclActive", QStringLiteral("Dirs"), row);
  wildCard_ = statusPanel(bar, "LWildCard", QStringLiteral("*.*"), row);
  wildCard_->setMinimumWidth(60);
  popupFileName_ = statusPanel(bar, "LPopupFileName", QStringLiteral("<no file selected>"), row, 1);
  return bar;
}

QLabel* MainWindow::statusLabel(const char* name) const {
  return findChild<QLabel*>(QString::fromLatin1(name));
}

QString MainWindow::setLabelText(Side side) const { return labels_->text(side == Side::New); }

void MainWindow::dispatch(const std::function<void()>& command) {
  RunGuarded(program_, [&] {
    try {
      command();
    } catch (const FatalError&) {
      throw;
    } catch (const std::exception& e) {
      program_.ui.message(e.what(), platform::MessageKind::Error, platform::MessageButtons::Ok);
      refreshButtons();
    }
  });
  if (program_.ended) endProgram();
}

void MainWindow::endProgram() {
  // The program ended through Termine (its exit save already ran, or a fatal message was
  // shown): leave the event loop without asking again.
  QCoreApplication::exit(program_.exitCode);
  hide();
}

void MainWindow::resultsChanged() {
  const bool visible = program_.comparison.State.Commands.GridVisible;
  if (visible) {
    grid_->setUpColumns();
    grid_->refresh();
  }
  grid_->setVisible(visible);
  layOutSetLabels();
  refreshStatusBar();
  if (visible) grid_->setFocus();
  grid_->parentWidget()->update();
}

void MainWindow::commandsChanged() {
  refreshButtons();
  refreshStatusBar();
}

void MainWindow::runStarted() { refreshButtons(); }

void MainWindow::runEnded() {
  refreshButtons();
  if (closeAfterRun_) {
    closeAfterRun_ = false;
    QMetaObject::invokeMethod(this, &QWidget::close, Qt::QueuedConnection);
  }
}

void MainWindow::refreshIndicators() {
  UpdateIndicators(program_.comparison);
  refreshStatusBar();
}

void MainWindow::refreshButtons() {
  const CommandState& cmd = program_.comparison.State.Commands;
  const bool idle = !program_.runInProgress;
  for (QToolButton* b : setButtons_) b->setEnabled(idle);
  diffButton_->setEnabled(idle && cmd.Diff);
  resetButton_->setEnabled(idle && cmd.ResetDiff);
  setAcceptDrops(idle);
  labels_->setTexts(fromText(program_.selection.Selection(Side::New).Label),
                    fromText(program_.selection.Selection(Side::Old).Label));
  setWindowTitle(fromText(program_.caption));
}

void MainWindow::refreshStatusBar() {
  const Comparison& c = program_.comparison;
  const CommandState& cmd = c.State.Commands;
  matching_->setText(fromText(MatchingText(c)));
  showIndicator(filterActive_, cmd.LFilterActive);
  showIndicator(crcActive_, cmd.LCRCActive);
  showIndicator(maskActive_, cmd.MaskActive);
  showIndicator(inclExclActive_, cmd.LInclExclActive);
  wildCard_->setText(fromText(cmd.WildcardLabel));
  wildCard_->setStyleSheet(cmd.WildcardRed ? QStringLiteral("color: #FF0000;") : QString());
}

void MainWindow::layOutSetLabels() {
  const view::SetLabelLayout layout = grid_->setLabelLayout(width(), labels_->lineHeight());
  const auto rect = [](const view::PanelRect& r) { return QRect(r.x, r.y, r.width, r.height); };
  labels_->place(rect(layout.newPanel), rect(layout.oldPanel), layout.topPanelHeight);
}

QMenu* MainWindow::historyMenu(int tag) {
  if (!historyMenu_) historyMenu_ = new QMenu(this);
  historyMenu_->clear();
  const auto button = static_cast<SetButton>(tag);
  const std::vector<std::string>& history = HistoryOfButton(program_, button);
  for (std::size_t i = 0; i < history.size(); ++i) {
    QAction* entry = historyMenu_->addAction(fromText(history[i]));
    connect(entry, &QAction::triggered, this, [this, button, i] {
      dispatch([&] { ChooseFromHistory(program_, button, i); });
    });
  }
  return historyMenu_;
}

void MainWindow::dragEnterEvent(QDragEnterEvent* event) {
  if (!program_.runInProgress && event->mimeData()->hasUrls()) event->acceptProposedAction();
}

void MainWindow::dropEvent(QDropEvent* event) {
  std::vector<std::string> names;
  for (const QUrl& url : event->mimeData()->urls())
    if (url.isLocalFile()) names.push_back(url.toLocalFile().toStdString());
  if (names.empty()) return;
  event->acceptProposedAction();
  const int x = event->position().toPoint().x();
  dispatch([&] { DropOnWindow(program_, x, width(), names); });
}

void MainWindow::resizeEvent(QResizeEvent* event) {
  QMainWindow::resizeEvent(event);
  layOutSetLabels();
  if (!isMaximized() && !isMinimized() && !isFullScreen()) {
    normalPlacement_.Left = geometry().left();
    normalPlacement_.Top = geometry().top();
    normalPlacement_.Width = width();
    normalPlacement_.Height = height();
  }
}

WindowPlacement MainWindow::placement() const {
  WindowPlacement p = normalPlacement_;
  if (p.Width == 0) {
    p.Left = geometry().left();
    p.Top = geometry().top();
    p.Width = width();
    p.Height = height();
  }
  p.State = isMinimized() ? WindowPlacement::Minimized
            : isMaximized() ? WindowPlacement::Maximized
                            : WindowPlacement::Normal;
  return p;
}

void MainWindow::applyPlacement(const WindowPlacement& p) {
  if (p.Width > 0 && p.Height > 0) {
    setGeometry(p.Left, p.Top, p.Width, p.Height);
    normalPlacement_ = p;
  }
  if (p.State == WindowPlacement::Maximized) setWindowState(windowState() | Qt::WindowMaximized);
}

void MainWindow::closeEvent(QCloseEvent* event) {
  if (program_.ended) {
    event->accept();
    return;
  }
  if (program_.runInProgress) {
    // A run pumps events from inside a command: ask it to stop and close once it has.
    program_.ui.requestAbort();
    closeAfterRun_ = true;
    event->ignore();
    return;
  }
  bool mayClose = false;
  dispatch([&] { mayClose = QuitPrompt(program_); });
  if (program_.ended) {
    event->accept();
    return;
  }
  if (!mayClose) {
    event->ignore();
    return;
  }
  program_.settings.Window = placement();
  dispatch([&] { Termine(program_, "", ExitKind::Normal); });
  event->accept();
}

}  // namespace quorvane::ui
