// The main window's commands on one entry or on the displayed list: search, file
// information, Open file and the user tool, with the external-program runner they share
// with the two "&View log" entries.
#include "ui/grid/results_grid.h"
#include "ui/dialogs/file_info_dialog.h"
#include "ui/dialogs/search_dialog.h"
#include "ui/main_window/main_window.h"

#include "program/file_information.h"
#include "program/user_tool.h"

namespace quorvane::ui {

ExternalPrograms& MainWindow::externalPrograms() {
  if (!starter_) starter_ = std::make_unique<platform::LocalProgramStarter>();
  if (!external_) external_ = std::make_unique<ExternalPrograms>(program_, *starter_);
  return *external_;
}

void MainWindow::setProgramStarter(std::unique_ptr<platform::ProgramStarter> starter) {
  starter_ = std::move(starter);
  external_.reset();
}

TSearchDlg* MainWindow::searchDialog() {
  if (!search_) {
    search_ = new TSearchDlg(program_.comparison.Display, program_.ui, this);
    search_->found = [this](std::int32_t row) {
      grid_->setCurrentRow(row - 1);
      pointAtCurrentCell();
    };
  }
  return search_;
}

TFileInfoDlg* MainWindow::informationDialog() {
  if (!information_) {
    information_ = new TFileInfoDlg(this);
    connect(information_, &TFileInfoDlg::helpRequested, this,
            [this](const QString& topic) { program_.ui.openHelpTopic(topic.toStdString()); });
  }
  return information_;
}

void MainWindow::search() {
  if (program_.runInProgress || program_.comparison.Display.Count() == 0) return;
  dispatch([&] { searchDialog()->showSearch(); });
}

void MainWindow::searchNext() {
  if (program_.runInProgress || program_.comparison.Display.Count() == 0) return;
  dispatch([&] { searchDialog()->searchNext(grid_->currentRow() + 1); });
}

void MainWindow::showInformation(bool ofPointedEntry) {
  if (program_.runInProgress) return;
  const Comparison& c = program_.comparison;
  const FileEntry* entry = nullptr;
  QPoint offset(0, 0);
  if (ofPointedEntry) {
    entry = pointer_.pointed.entry;
    offset = grid_->mapFromGlobal(pointedAt_);
  } else {
    const int row = grid_->selection().top;
    if (row >= 0 && row < c.Display.Count()) entry = c.Display.ItemAt(row);
  }
  if (!entry) return;
  dispatch([&] {
    const FileInformation info = FileInformationOf(program_.comparison, *entry, program_.settings.DateFormat);
    informationDialog()->showAt(info, program_.commandLine.DiagnosticMode, grid_->mapToGlobal(offset) + QPoint(16, 0));
  });
}

void MainWindow::openFile(bool force) {
  if (program_.runInProgress) return;
  const PointedEntry pointed = pointer_.pointed;
  dispatch([&] { OpenFile(externalPrograms(), pointed, force); });
}

void MainWindow::userTool() {
  if (program_.runInProgress) return;
  const PointedEntry pointed = pointer_.pointed;
  dispatch([&] { UserTool(externalPrograms(), pointed, program_.settings.ConfirmUserTool); });
}

}  // namespace quorvane::ui
