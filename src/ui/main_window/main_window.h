#pragma once
// The main window: the button bar, the two set labels, the results grid, the status bar,
// the menu bar, the grid's popup menu, the idle hints and the background picture while no
// results are shown. It keeps no comparison logic: every button, menu entry and drop calls
// a command of the program layer through dispatch(), and the notices of the contract tell
// it when to redraw and re-enable. Between commands it keeps the pointed entry and the
// selected side of the last click or key in the grid.
#include <QMainWindow>
#include <QPoint>
#include <functional>

#include "program/menu_state.h"
#include "program/pointed_entry.h"
#include "program/file_commands.h"
#include "program/program.h"
#include "platform/local_file_system.h"
#include "platform/program_starter.h"
#include "program/external_programs.h"

#include <memory>

class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace quorvane::ui {

class GridPopup;
class IdleHintPanel;
class TfrmFileOpStatus;
class TFileInfoDlg;
class TSearchDlg;
class MainMenu;
class ResultsGrid;
class SetLabelsPanel;

// The commands whose dialogs this build has; the others' entries stay disabled.
inline constexpr DialogsAvailable kDialogsAvailable{
    .includeExclude = true, .options = true, .search = true, .fileInformation = true, .openFile = true,
    .userTool = true, .synchronize = true, .fileOperations = true, .viewLog = true};

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Program& program, QWidget* parent = nullptr);
  ~MainWindow() override;

  ResultsGrid* grid() const { return grid_; }
  Program& program() const { return program_; }
  MainMenu* mainMenu() const { return menu_; }
  GridPopup* gridPopup() const { return popup_; }
  const GridPointer& pointer() const { return pointer_; }
  // pnHint, the idle hints' panel, with Timer1.
  IdleHintPanel* hintPanel() const { return hint_; }

  // The comparison progress window, brought to the front when this window is activated
  // while it shows.
  void setProgressWindow(std::function<QWidget*()> progressWindow) { progressWindow_ = std::move(progressWindow); }

  // The pointed entry and the selected side from the grid's current cell, as a key-up does.
  void pointAtCurrentCell();

  // "C&opy" / "&Copy to Clipboard": the paths of the selected rows on the selected side.
  void copySelection();
  // "Remove from list": the selected rows leave the display (not the file list).
  void removeSelection();
  // "Enable hints when idle" starts the hints; opening "File Se&t" stops them.
  void startIdleHints();
  void stopIdleHints();
  // An entry of the Options menu: the options dialog on that page, then the re-filter and
  // redraw of the results.
  void openOptions(int page);
  // "&Synchronize directories...", "&File operations..." over the selected rows, and
  // "&View log", the operation log in the desktop's text viewer.
  void synchronize();
  void fileOperations();
  void viewLog();
  // "&Search..." and "Search &next" (F3) over the displayed list; "Get &information..."
  // (the first selected row, beside the grid's corner) and "&Informations..." (the
  // pointed entry, at the click); "Open &file..." (force: Ctrl+O's confirmation) and
  // "&User tool..." on the pointed entry.
  void search();
  void searchNext();
  void showInformation(bool ofPointedEntry);
  void openFile(bool force);
  void userTool();
  // The starter of other programs (tests put in a recorder before the first use).
  void setProgramStarter(std::unique_ptr<platform::ProgramStarter> starter);
  TSearchDlg* searchDialog();
  TFileInfoDlg* informationDialog();

  // Runs a command of the program layer: a fatal error ends the program, any other error
  // is shown in a message box; the window closes when the program ended.
  void dispatch(const std::function<void()>& command);

  // The contract's notices and window steps, forwarded by the window's user interface.
  void resultsChanged();
  void commandsChanged();
  void runStarted();
  void runEnded();
  void refreshIndicators();

  // The window's normal placement as the settings store it.
  WindowPlacement placement() const;
  void applyPlacement(const WindowPlacement& placement);

  // The controls, for tests.
  QToolButton* setButton(int tag) const { return setButtons_[tag]; }
  QToolButton* diffButton() const { return diffButton_; }
  QToolButton* resetButton() const { return resetButton_; }
  QLabel* statusLabel(const char* name) const;
  QString setLabelText(Side side) const;

  // The history pop-up of a set button as it would open now (tests and right-click).
  QMenu* historyMenu(int tag);

 signals:
  // "&About..." of the Help menu: the window's interface shows its about box.
  void aboutRequested();

 protected:
  void changeEvent(QEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  // The engine's commands and the operation status window, made at their first use, once
  // the settings are loaded.
  FileCommands& fileCommands();
  ExternalPrograms& externalPrograms();

  QWidget* makeButtonBar();
  QWidget* makeStatusBar();
  void refreshButtons();
  void refreshStatusBar();
  void refreshMenus();
  void layOutSetLabels();
  void endProgram();
  // The pointed entry and the selected side from a grid cell (display row, -1 the header).
  void pointAt(int row, int column);

  Program& program_;
  QWidget* central_ = nullptr;
  SetLabelsPanel* labels_ = nullptr;
  ResultsGrid* grid_ = nullptr;
  QToolButton* setButtons_[4] = {};
  QToolButton* diffButton_ = nullptr;
  QToolButton* resetButton_ = nullptr;
  QMenu* historyMenu_ = nullptr;
  QLabel* matching_ = nullptr;
  QLabel* filterActive_ = nullptr;
  QLabel* crcActive_ = nullptr;
  QLabel* maskActive_ = nullptr;
  QLabel* inclExclActive_ = nullptr;
  QLabel* wildCard_ = nullptr;
  QLabel* popupFileName_ = nullptr;
  MainMenu* menu_ = nullptr;
  GridPopup* popup_ = nullptr;
  GridPointer pointer_;
  QPoint pointedAt_;  // where the pointing click was, for the windows placed beside it
  int newColumnsWidth_ = -1;
  IdleHintPanel* hint_ = nullptr;
  std::function<QWidget*()> progressWindow_;
  WindowPlacement normalPlacement_;
  bool closeAfterRun_ = false;
  std::unique_ptr<platform::LocalFileSystem> fileSystem_;
  std::unique_ptr<fileops::FileOpStatusModel> fileStatus_;
  std::unique_ptr<FileCommands> files_;
  TfrmFileOpStatus* fileStatusWindow_ = nullptr;
  std::unique_ptr<platform::ProgramStarter> starter_;
  std::unique_ptr<ExternalPrograms> external_;
  TSearchDlg* search_ = nullptr;
  TFileInfoDlg* information_ = nullptr;
};

}  // namespace quorvane::ui
