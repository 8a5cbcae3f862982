#pragma once
// MainMenu1, the main window's menu bar: "File Se&t", "&Action", "&Edit", "&Options" and
// "&Help" with their accelerators and shortcuts. Every entry runs its command of the
// program layer through the window's dispatch(); apply() enables the entries from the
// core's MenuState, so no rule is decided here.
#include <QKeySequence>
#include <QHash>
#include <QObject>
#include <array>

#include "engine/sort_menu_state.h"
#include "program/menu_state.h"

class QAction;
class QActionGroup;
class QMenu;
class QMenuBar;

namespace quorvane::ui {

class MainWindow;

class MainMenu : public QObject {
  Q_OBJECT

 public:
  MainMenu(MainWindow& window, QMenuBar* bar);

  void apply(const MenuState& state);

  // The entries by their captions' object names, for tests ("miSaveDiff", ...).
  QAction* action(const char* name) const;
  QMenu* fileSetMenu() const { return fileSet_; }
  QMenu* actionMenu() const { return action_; }
  QMenu* editMenu() const { return edit_; }
  QMenu* optionsMenu() const { return options_; }
  QMenu* helpMenu() const { return help_; }
  QMenu* sortMenu() const { return sort_; }
  QAction* sortItem(int tag) const { return sortItems_[static_cast<std::size_t>(tag - 1)]; }

 private:
  QAction* add(QMenu* menu, const char* name, const QString& caption, const QKeySequence& shortcut = {});
  void makeFileSetMenu(QMenuBar* bar);
  void makeActionMenu(QMenuBar* bar);
  void makeEditMenu(QMenuBar* bar);
  void makeOptionsMenu(QMenuBar* bar);
  void makeHelpMenu(QMenuBar* bar);

  MainWindow& window_;
  QHash<QString, QAction*> actions_;  // by object name
  QMenu* fileSet_ = nullptr;
  QMenu* action_ = nullptr;
  QMenu* edit_ = nullptr;
  QMenu* options_ = nullptr;
  QMenu* help_ = nullptr;
  QMenu* sort_ = nullptr;
  QActionGroup* sortGroup_ = nullptr;
  std::array<QAction*, kSortMenuItems> sortItems_ = {};
};

}  // namespace quorvane::ui
