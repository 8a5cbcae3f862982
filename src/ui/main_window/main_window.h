#pragma once
// The main window: the button bar, the two set labels, the results grid, the status bar
// and the background picture while no results are shown. It keeps no comparison logic:
// every button and drop calls a command of the program layer through dispatch(), and the
// notices of the contract tell it when to redraw and re-enable.
#include <QMainWindow>
#include <functional>

#include "program/program.h"

class QLabel;
class QMenu;
class QToolButton;
class QWidget;

namespace quorvane::ui {

class ResultsGrid;
class SetLabelsPanel;

class MainWindow : public QMainWindow {
  Q_OBJECT

 public:
  explicit MainWindow(Program& program, QWidget* parent = nullptr);

  ResultsGrid* grid() const { return grid_; }

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
  void closeEvent(QCloseEvent* event) override;
  void dragEnterEvent(QDragEnterEvent* event) override;
  void dropEvent(QDropEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void makeHelpMenu();
  QWidget* makeButtonBar();
  QWidget* makeStatusBar();
  void refreshButtons();
  void refreshStatusBar();
  void layOutSetLabels();
  void endProgram();

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
  WindowPlacement normalPlacement_;
  bool closeAfterRun_ = false;
};

}  // namespace quorvane::ui
