#pragma once
// PopupMenu1, the grid's popup menu: opened by a right click on a data row (at the cursor)
// or by the menu key (at the current cell). Its entries run the same commands as the main
// menu's; apply() enables them from the core's MenuState.
#include <QObject>
#include <QPoint>

#include "program/menu_state.h"

class QAction;
class QMenu;

namespace quorvane::ui {

class MainWindow;

class GridPopup : public QObject {
  Q_OBJECT

 public:
  explicit GridPopup(MainWindow& window);

  void apply(const MenuState& state);
  void popup(const QPoint& globalPos);

  QMenu* menu() const { return menu_; }
  // Where it was last opened (the menu itself may move to fit on the screen).
  QPoint openedAt() const { return openedAt_; }
  QAction* action(const char* name) const;

 private:
  MainWindow& window_;
  QMenu* menu_;
  QPoint openedAt_;
};

}  // namespace quorvane::ui
