#include "ui/main_window/main_menu.h"

#include <QActionGroup>
#include <QMenu>
#include <QMenuBar>

#include "program/directory_commands.h"
#include "program/list_commands.h"
#include "program/output_commands.h"
#include "program/run_commands.h"
#include "program/set_commands.h"
#include "program/sort_commands.h"
#include "ui/main_window/main_window.h"

namespace quorvane::ui {

namespace {

// The captions of the Options menu, in the order of the options dialog's pages.
constexpr const char* kOptionsPages[] = {"&Scanning...", "&Filters...", "&User...",  "&Display...",
                                         "&Layout...",   "&Printing...", "&Batch...", "&Tools..."};

}  // namespace

MainMenu::MainMenu(MainWindow& window, QMenuBar* bar) : QObject(&window), window_(window) {
  makeFileSetMenu(bar);
  makeActionMenu(bar);
  makeEditMenu(bar);
  makeOptionsMenu(bar);
  makeHelpMenu(bar);
}

QAction* MainMenu::add(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut) {
  QAction* a = menu->addAction(caption);
  a->setObjectName(QString::fromLatin1(name));
  if (!shortcut.isEmpty()) a->setShortcut(shortcut);
  actions_.insert(a->objectName(), a);
  return a;
}

QAction* MainMenu::action(const char* name) const { return actions_.value(QString::fromLatin1(name)); }

void MainMenu::makeFileSetMenu(QMenuBar* bar) {
  fileSet_ = bar->addMenu(QStringLiteral("File Se&t"));
  fileSet_->setObjectName(QStringLiteral("mnFileSet"));
  Program& p = window_.program();
  const auto openDirectory = [this, &p](Side side) {
    return [this, &p, side] { window_.dispatch([&] { ChooseDirectoryByDialog(p, side); }); };
  };
  const auto openFile = [this, &p](Side side) {
    return [this, &p, side] { window_.dispatch([&] { ChooseFileByDialog(p, side); }); };
  };
  connect(add(fileSet_, "miOpenNewDir", QStringLiteral("Open &New directory...")), &QAction::triggered, this,
          openDirectory(Side::New));
  connect(add(fileSet_, "miOpenNewArc", QStringLiteral("Open New &archive or snapshot...")), &QAction::triggered,
          this, openFile(Side::New));
  QAction* newPath = add(fileSet_, "miOpenNewArcPath", QStringLiteral("Open New archive or snapshot (path)..."));
  newPath->setVisible(false);
  connect(newPath, &QAction::triggered, this, openFile(Side::New));
  connect(add(fileSet_, "miOpenOldDir", QStringLiteral("Open &Old directory...")), &QAction::triggered, this,
          openDirectory(Side::Old));
  connect(add(fileSet_, "miOpenOldArc", QStringLiteral("Open Old a&rchive or snapshot...")), &QAction::triggered,
          this, openFile(Side::Old));
  QAction* oldPath = add(fileSet_, "miOpenOldArcPath", QStringLiteral("Open Old archive or snapshot (path)..."));
  oldPath->setVisible(false);
  connect(oldPath, &QAction::triggered, this, openFile(Side::Old));
  fileSet_->addSeparator();
  // Ctrl+D belongs to "Compare (do diff)", the frequent command.
  connect(add(fileSet_, "miIncludeExclude", QStringLiteral("Include / Exclude &directories...")), &QAction::triggered,
          this, [this, &p] { window_.dispatch([&] { EditDirectoryLists(p); }); });
  fileSet_->addSeparator();
  const auto listing = [this, &p](ListingKind kind) {
    return [this, &p, kind] { window_.dispatch([&] { SaveSetListingByDialog(p, kind); }); };
  };
  connect(add(fileSet_, "miSaveNewSnapshot", QStringLiteral("Save New set as Snaps&hot..")), &QAction::triggered, this,
          listing(ListingKind::NewSnapshot));
  connect(add(fileSet_, "miSaveNewBatch", QStringLiteral("Save New set as &batch file...")), &QAction::triggered, this,
          listing(ListingKind::NewBatch));
  connect(add(fileSet_, "miSaveOldSnapshot", QStringLiteral("Sa&ve Old set as Snapshot...")), &QAction::triggered,
          this, listing(ListingKind::OldSnapshot));
  connect(add(fileSet_, "miSaveOldBatch", QStringLiteral("Save Old set as batc&h file...")), &QAction::triggered, this,
          listing(ListingKind::OldBatch));
  fileSet_->addSeparator();
  connect(add(fileSet_, "miSaveDiff", QStringLiteral("&Save Diff report..."), QKeySequence(Qt::CTRL | Qt::Key_S)),
          &QAction::triggered, this, [this, &p] { window_.dispatch([&] { SaveDiffReportByDialog(p); }); });
  connect(add(fileSet_, "miPrintDiff", QStringLiteral("&Print Diff report"), QKeySequence(Qt::CTRL | Qt::Key_P)),
          &QAction::triggered, this, [this, &p] { window_.dispatch([&] { PrintDiffReport(p); }); });
  fileSet_->addSeparator();
  connect(add(fileSet_, "miQuit", QStringLiteral("&Quit")), &QAction::triggered, &window_, &QWidget::close);
  connect(fileSet_, &QMenu::aboutToShow, &window_, &MainWindow::stopIdleHints);
}

void MainMenu::makeActionMenu(QMenuBar* bar) {
  action_ = bar->addMenu(QStringLiteral("&Action"));
  action_->setObjectName(QStringLiteral("mnAction"));
  Program& p = window_.program();
  connect(add(action_, "miCompare", QStringLiteral("&Compare (do diff)"), QKeySequence(Qt::CTRL | Qt::Key_D)),
          &QAction::triggered, this, [this, &p] { window_.dispatch([&] { Diff(p); }); });
  connect(add(action_, "miTakeSnapshot", QStringLiteral("&Take Snapshot..."), QKeySequence(Qt::CTRL | Qt::Key_T)),
          &QAction::triggered, this, [this, &p] { window_.dispatch([&] { TakeSnapshot(p); }); });
  connect(add(action_, "miStatus", QStringLiteral("St&atus...")), &QAction::triggered, this,
          [this, &p] { window_.dispatch([&] { ShowComparisonStatus(p); }); });
  connect(add(action_, "miResetDiff", QStringLiteral("&Reset Diff"), QKeySequence(Qt::CTRL | Qt::Key_R)),
          &QAction::triggered, this, [this, &p] { window_.dispatch([&] { ResetDiff(p); }); });
  action_->addSeparator();
  sort_ = action_->addMenu(QStringLiteral("S&ort by"));
  sort_->setObjectName(QStringLiteral("miSortBy"));
  sortGroup_ = new QActionGroup(this);
  sortGroup_->setExclusive(true);
  for (int tag = 1; tag <= kSortMenuItems; ++tag) {
    QAction* item = sort_->addAction(QString::fromLatin1(kSortMenuCaptions[static_cast<std::size_t>(tag - 1)]));
    item->setObjectName(QStringLiteral("miSort%1").arg(tag));
    actions_.insert(item->objectName(), item);
    item->setCheckable(true);
    sortGroup_->addAction(item);
    sortItems_[static_cast<std::size_t>(tag - 1)] = item;
    connect(item, &QAction::triggered, this, [this, &p, tag] { window_.dispatch([&] { SortByMenuItem(p, tag); }); });
  }
  connect(add(action_, "miCheckMoved", QStringLiteral("Check &moved files")), &QAction::triggered, this,
          [this, &p] { window_.dispatch([&] { CheckMovedFiles(p); }); });
  action_->addSeparator();
  connect(add(action_, "miSynchronize", QStringLiteral("&Synchronize directories...")), &QAction::triggered, &window_,
          &MainWindow::synchronize);
  connect(add(action_, "miFileOperations", QStringLiteral("&File operations...")), &QAction::triggered, &window_,
          &MainWindow::fileOperations);
  connect(add(action_, "miViewLog", QStringLiteral("&View log")), &QAction::triggered, &window_, &MainWindow::viewLog);
}

void MainMenu::makeEditMenu(QMenuBar* bar) {
  edit_ = bar->addMenu(QStringLiteral("&Edit"));
  edit_->setObjectName(QStringLiteral("mnEdit"));
  connect(add(edit_, "miCopy", QStringLiteral("C&opy"), QKeySequence(Qt::CTRL | Qt::Key_C)), &QAction::triggered,
          &window_, &MainWindow::copySelection);
  edit_->addSeparator();
  connect(add(edit_, "miSearch", QStringLiteral("&Search..."), QKeySequence(Qt::CTRL | Qt::Key_F)),
          &QAction::triggered, &window_, &MainWindow::search);
  connect(add(edit_, "miSearchNext", QStringLiteral("Search &next"), QKeySequence(Qt::Key_F3)), &QAction::triggered,
          &window_, &MainWindow::searchNext);
  edit_->addSeparator();
  connect(add(edit_, "miInformation", QStringLiteral("Get &information..."), QKeySequence(Qt::ALT | Qt::Key_I)),
          &QAction::triggered, &window_, [this] { window_.showInformation(false); });
  connect(add(edit_, "miOpenFile", QStringLiteral("Open &file..."), QKeySequence(Qt::CTRL | Qt::Key_O)),
          &QAction::triggered, &window_, [this] { window_.openFile(true); });
  connect(add(edit_, "miUserTool", QStringLiteral("&User tool..."), QKeySequence(Qt::CTRL | Qt::Key_U)),
          &QAction::triggered, &window_, &MainWindow::userTool);
}

void MainMenu::makeOptionsMenu(QMenuBar* bar) {
  options_ = bar->addMenu(QStringLiteral("&Options"));
  options_->setObjectName(QStringLiteral("mnOptions"));
  // The entry's position is the page the options dialog opens at.
  const QKeySequence shortcuts[] = {QKeySequence(Qt::ALT | Qt::Key_S), QKeySequence(Qt::ALT | Qt::Key_F),
                                    QKeySequence(Qt::ALT | Qt::Key_U)};
  int page = 0;
  for (const char* caption : kOptionsPages) {
    QAction* entry = add(options_, QStringLiteral("miOptions%1").arg(page).toLatin1().constData(),
                         QString::fromLatin1(caption), page < 3 ? shortcuts[page] : QKeySequence());
    connect(entry, &QAction::triggered, this, [this, page] { window_.openOptions(page); });
    ++page;
  }
}

void MainMenu::makeHelpMenu(QMenuBar* bar) {
  help_ = bar->addMenu(QStringLiteral("&Help"));
  help_->setObjectName(QStringLiteral("mnHelp"));
  Program& p = window_.program();
  const auto topic = [&p](const char* name) { return [&p, name] { p.ui.openHelpTopic(name); }; };
  connect(add(help_, "miHelpIndex", QStringLiteral("&Index"), QKeySequence(Qt::Key_F1)), &QAction::triggered, this,
          topic("Main_window"));
  connect(add(help_, "miQuickStart", QStringLiteral("&Quick start")), &QAction::triggered, this, topic("Quick_start"));
  connect(add(help_, "miLegend", QStringLiteral("&Legend")), &QAction::triggered, this, topic("Legend"));
  help_->addSeparator();
  connect(add(help_, "miHints", QStringLiteral("Enable hints when idle")), &QAction::triggered, &window_,
          &MainWindow::startIdleHints);
  help_->addSeparator();
  connect(add(help_, "miAbout", QStringLiteral("&About...")), &QAction::triggered, &window_,
          &MainWindow::aboutRequested);
}

void MainMenu::apply(const MenuState& m) {
  const std::pair<const char*, bool> states[] = {
      {"miOpenNewDir", m.openSets},          {"miOpenNewArc", m.openSets},
      {"miOpenNewArcPath", m.openSets},      {"miOpenOldDir", m.openSets},
      {"miOpenOldArc", m.openSets},          {"miOpenOldArcPath", m.openSets},
      {"miIncludeExclude", m.includeExclude}, {"miSaveNewSnapshot", m.saveNewSnapshot},
      {"miSaveNewBatch", m.saveNewBatch},    {"miSaveOldSnapshot", m.saveOldSnapshot},
      {"miSaveOldBatch", m.saveOldBatch},    {"miSaveDiff", m.saveDiff},
      {"miPrintDiff", m.printDiff},          {"miQuit", m.quit},
      {"miCompare", m.compare},              {"miTakeSnapshot", m.takeSnapshot},
      {"miStatus", m.status},                {"miResetDiff", m.resetDiff},
      {"miCheckMoved", m.checkMoved},        {"miSynchronize", m.synchronize},
      {"miFileOperations", m.fileOperations}, {"miViewLog", m.viewLog},
      {"miCopy", m.copy},                    {"miSearch", m.search},
      {"miSearchNext", m.searchNext},        {"miInformation", m.information},
      {"miOpenFile", m.openFile},            {"miUserTool", m.userTool},
  };
  for (const auto& [name, on] : states) action(name)->setEnabled(on);
  edit_->menuAction()->setEnabled(m.editMenu);
  for (QAction* a : options_->actions()) a->setEnabled(m.options);
  sort_->menuAction()->setEnabled(m.sortBy);
  for (int tag = 1; tag <= kSortMenuItems; ++tag) {
    QAction* item = sortItem(tag);
    item->setEnabled(m.sortBy && m.sortMenu.IsEnabled(tag));
    if (tag == m.sortMenu.CheckedTag) item->setChecked(true);
  }
}

}  // namespace quorvane::ui
