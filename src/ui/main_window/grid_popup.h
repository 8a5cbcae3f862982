#pragma once
// PopupMenu1, the grid's popup menu: opened by a right click on a data row (at the cursor)
// or by the menu key or Shift+F10 (at the current cell, pointed at first). Its entries run
// the same commands as the main menu's; apply() enables them from the core's MenuState.
#include <QObject>
#include <QPoint>

#include "program/menu_state.h"

class QAction;
class QMenu;

namespace quorvane::ui {

class MainWindow;
class ResultsGrid;

class GridPopup : public QObject {
  Q_OBJECT

 public:
  GridPopup(MainWindow& window, ResultsGrid* grid);

  void apply(const MenuState& state);
  // A right click on display row `row` (-1 the header): opens on a data row only.
  void popupOnRow(int row, const QPoint& globalPos);

  QMenu* menu() const { return menu_; }
  // Where it was last opened (the menu itself may move to fit on the screen).
  QPoint openedAt() const { return openedAt_; }
  QAction* action(const char* name) const;

 private:
  bool eventFilter(QObject* watched, QEvent* event) override;
  void popupAtCurrentCell();

  MainWindow& window_;
  ResultsGrid* grid_;
  QMenu* menu_;
  QPoint openedAt_;
};

}  // namespace quorvane::ui
