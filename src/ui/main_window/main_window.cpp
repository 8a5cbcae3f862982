#include "ui/main_window/main_window.h"

#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QMenu>
#include <QMimeData>
#include <QMenuBar>
#include <QToolButton>
#include <QUrl>

#include "program/file_information.h"
#include "program/user_tool.h"
#include "ui/dialogs/file_info_dialog.h"
#include "ui/dialogs/search_dialog.h"
#include <QVBoxLayout>

#include "config/ini_file.h"
#include "platform/directory_listing.h"
#include "engine/results_view.h"
#include "program/list_commands.h"
#include "program/run_commands.h"
#include "program/run_guarded.h"
#include "program/set_commands.h"
#include "program/sort_commands.h"
#include "program/termine.h"
#include "ui/dialogs/dialog_texts.h"
#include "ui/dialogs/options_dialog.h"
#include "ui/fileops/file_op_status_window.h"
#include "ui/grid/results_grid.h"
#include "view/grid_columns.h"
#include "view/set_label_layout.h"
#include "ui/main_window/grid_popup.h"
#include "ui/main_window/idle_hint_panel.h"
#include "ui/main_window/main_menu.h"
#include "ui/main_window/options_printer.h"
#include "ui/main_window/results_area.h"
#include "ui/main_window/set_labels_panel.h"

namespace quorvane::ui {

namespace {

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

// The rows of the grid's selection rectangle, top to bottom.
std::vector<std::int32_t> selectedRows(const ResultsGrid& grid) {
  const ResultsGrid::Selection sel = grid.selection();
  std::vector<std::int32_t> rows;
  if (sel.bottom >= sel.top) rows.reserve(static_cast<std::size_t>(sel.bottom - sel.top + 1));
  for (int row = sel.top; row <= sel.bottom; ++row) rows.push_back(row);
  return rows;
}

}  // namespace

MainWindow::MainWindow(Program& program, QWidget* parent) : QMainWindow(parent), program_(program) {
  setObjectName(QStringLiteral("Form1"));
  setWindowTitle(FromUtf8(program_.caption));
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
  connect(grid_, &ResultsGrid::columnWidthsChanged, this, [this] {
    // Only a change of the New columns moves the Old set's label.
    if (grid_->newPanelWidth() != newColumnsWidth_) layOutSetLabels();
  });
  connect(grid_, &ResultsGrid::cellPressed, this, [this](int row, int column, Qt::MouseButton button, QPoint at) {
    pointedAt_ = at;
    pointAt(row, column);
    if (button == Qt::RightButton) popup_->popupOnRow(row, at);
  });
  connect(grid_, &ResultsGrid::cellDoubleClicked, this, [this](int, int) { openFile(false); });
  grid_->installEventFilter(this);

  hint_ = new IdleHintPanel(
      central_,
      [this] {
        const auto rect = [this](const QWidget* w) {
          const QPoint at = w->mapTo(central_, QPoint(0, 0));
          return view::PanelRect{at.x(), at.y(), w->width(), w->height()};
        };
        view::HintAnchors anchors;
        anchors.windowWidth = central_->width();
        anchors.windowHeight = central_->height();
        anchors.buttonBar = rect(setButtons_[0]->parentWidget());
        anchors.newDir = rect(setButtons_[0]);
        anchors.oldDir = rect(setButtons_[2]);
        anchors.diff = rect(diffButton_);
        return anchors;
      },
      [this] { return grid_->isVisible(); });

  menu_ = new MainMenu(*this, menuBar());
  popup_ = new GridPopup(*this, grid_);
  resize(900, 600);
  refreshButtons();
  refreshStatusBar();
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
  // The display was rebuilt: point again at the current cell, as a key-up would.
  ForgetPointedEntry(pointer_);
  if (visible) pointAtCurrentCell();
  refreshStatusBar();
  refreshMenus();
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
  refreshMenus();
  labels_->setTexts(FromUtf8(program_.selection.Selection(Side::New).Label),
                    FromUtf8(program_.selection.Selection(Side::Old).Label));
  setWindowTitle(FromUtf8(program_.caption));
}

void MainWindow::refreshStatusBar() {
  const Comparison& c = program_.comparison;
  const CommandState& cmd = c.State.Commands;
  matching_->setText(FromUtf8(MatchingText(c)));
  showIndicator(filterActive_, cmd.LFilterActive);
  showIndicator(crcActive_, cmd.LCRCActive);
  showIndicator(maskActive_, cmd.MaskActive);
  showIndicator(inclExclActive_, cmd.LInclExclActive);
  wildCard_->setText(FromUtf8(cmd.WildcardLabel));
  wildCard_->setStyleSheet(cmd.WildcardRed ? QStringLiteral("color: #FF0000;") : QString());
  popupFileName_->setText(FromUtf8(pointer_.popupFileName));
}

void MainWindow::refreshMenus() {
  if (!menu_) return;
  const MenuState state = MenuStateOf(program_, pointer_, kDialogsAvailable);
  menu_->apply(state);
  popup_->apply(state);
}

void MainWindow::pointAt(int row, int column) {
  if (program_.runInProgress) return;  // the display index is being rebuilt
  const ResultsGrid::Selection sel = grid_->selection();
  PointAt(pointer_, program_.comparison, row + 1, column, sel.left, sel.right);
  popupFileName_->setText(FromUtf8(pointer_.popupFileName));
  if (program_.settings.TrackSelection) grid_->repaintRowNumbers();
  refreshMenus();
}

void MainWindow::pointAtCurrentCell() {
  if (grid_->rowCount() > 0) pointAt(grid_->currentRow(), grid_->currentColumn());
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event) {
  if (watched == grid_) {
    if (event->type() == QEvent::KeyRelease && !static_cast<QKeyEvent*>(event)->isAutoRepeat())
      pointAtCurrentCell();
    else if (event->type() == QEvent::KeyPress && program_.settings.TrackSelection)
      grid_->repaintRowNumbers();
  }
  return QMainWindow::eventFilter(watched, event);
}

void MainWindow::copySelection() {
  const SelectedSide side = pointer_.selectedSide;
  dispatch([&] {
    CopyToClipboard(program_, selectedRows(*grid_), side, [](const std::string& text) {
      QClipboard* clipboard = QGuiApplication::clipboard();
      if (!clipboard) return false;
      const QString value = FromUtf8(text);
      clipboard->setText(value);
      return clipboard->text() == value;
    });
  });
}

void MainWindow::removeSelection() {
  if (program_.comparison.Display.Count() == 0) return;
  dispatch([&] { RemoveRows(program_, selectedRows(*grid_)); });
  if (grid_->isVisible()) grid_->setFocus();
}

void MainWindow::startIdleHints() { hint_->start(); }

void MainWindow::stopIdleHints() { hint_->stop(); }

void MainWindow::changeEvent(QEvent* event) {
  QMainWindow::changeEvent(event);
  if (event->type() != QEvent::ActivationChange || !isActiveWindow() || !progressWindow_) return;
  QWidget* progress = progressWindow_();
  if (progress && progress->isVisible()) {
    progress->raise();
    progress->activateWindow();
  }
}

void MainWindow::layOutSetLabels() {
  newColumnsWidth_ = grid_->newPanelWidth();
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
    QAction* entry = historyMenu_->addAction(FromUtf8(history[i]));
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

void MainWindow::openOptions(int page) {
  if (program_.runInProgress) return;
  dispatch([&] {
    const std::uint32_t masksBefore = FilterMaskSum(program_);
    OptionsDialog dialog(program_.comparison, this);
    ConnectOptionsPrinter(dialog, program_);
    connect(&dialog, &OptionsDialog::helpRequested, this,
            [this](const QString& topic) { program_.ui.openHelpTopic(topic.toStdString()); });
    dialog.showOn(static_cast<OptionsPage>(page));
    if (dialog.model().lastNotices().hintsChanged) SetHelpBubbles(program_.settings.ShowHelpBubbles);
    // A new display font or colour set shows through the grid's set-up, which the notices
    // of OptionsClosed run whether or not the masks changed.
    OptionsClosed(program_, masksBefore);
  });
  refreshButtons();
  refreshStatusBar();
}

namespace {

// The grid's selection as the file commands count it: rows from 1.
GridRect commandRect(const ResultsGrid& grid) {
  const ResultsGrid::Selection sel = grid.selection();
  return {sel.left, sel.top + 1, sel.right, sel.bottom + 1};
}

}  // namespace

// The operation status window draws from the status model, a member: it must go before
// the members do, and Qt would delete it, a child, only after them.
MainWindow::~MainWindow() { delete fileStatusWindow_; }

FileCommands& MainWindow::fileCommands() {
  if (!files_) {
    fileSystem_ = std::make_unique<platform::LocalFileSystem>();
    fileStatus_ = std::make_unique<fileops::FileOpStatusModel>();
    files_ = std::make_unique<FileCommands>(program_, *fileSystem_, *fileStatus_);
    fileStatusWindow_ = new TfrmFileOpStatus(*fileStatus_, program_.ui, this);
    fileStatusWindow_->viewLog = [this] {
      const std::string log = files_->sync.Options.edLogFile;
      dispatch([&] { ViewLogOfStatus(externalPrograms(), log); });
    };
    fileStatus_->setFace(fileStatusWindow_);
  }
  return *files_;
}

void MainWindow::synchronize() {
  if (program_.runInProgress) return;
  dispatch([&] { Synchronize(fileCommands(), commandRect(*grid_)); });
  refreshButtons();
  refreshStatusBar();
}

void MainWindow::fileOperations() {
  if (program_.runInProgress) return;
  dispatch([&] { FileOperations(fileCommands(), commandRect(*grid_)); });
  refreshButtons();
  refreshStatusBar();
}

void MainWindow::viewLog() {
  if (program_.runInProgress) return;
  const std::string log = fileCommands().sync.Options.edLogFile;
  dispatch([&] { ViewLog(externalPrograms(), log); });
}

}  // namespace quorvane::ui
