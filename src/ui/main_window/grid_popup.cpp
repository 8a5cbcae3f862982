#include "ui/main_window/grid_popup.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>

#include "ui/grid/results_grid.h"

#include "ui/main_window/main_window.h"

namespace quorvane::ui {

GridPopup::GridPopup(MainWindow& window, ResultsGrid* grid)
    : QObject(&window), window_(window), grid_(grid), menu_(new QMenu(&window)) {
  menu_->setObjectName(QStringLiteral("PopupMenu1"));
  const auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* a = menu_->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    return a;
  };
  connect(add("pmInformations", QStringLiteral("&Informations...")), &QAction::triggered, &window_,
          [this] { window_.showInformation(true); });
  connect(add("pmOpenFile", QStringLiteral("&Open file..."), QKeySequence(Qt::CTRL | Qt::Key_O)), &QAction::triggered,
          &window_, [this] { window_.openFile(true); });
  connect(add("pmUserTool", QStringLiteral("&User tool..."), QKeySequence(Qt::CTRL | Qt::Key_U)), &QAction::triggered,
          &window_, &MainWindow::userTool);
  menu_->addSeparator();
  QAction* copy = add("pmCopy", QStringLiteral("&Copy to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(copy, &QAction::triggered, &window_, &MainWindow::copySelection);
  QAction* remove = add("pmRemove", QStringLiteral("Remove from list"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
  connect(remove, &QAction::triggered, &window_, &MainWindow::removeSelection);
  // No other entry has Ctrl+Del: the key removes the selected rows with the popup closed too.
  remove->setShortcutContext(Qt::WindowShortcut);
  window_.addAction(remove);
  menu_->addSeparator();
  connect(add("pmSynchronize", QStringLiteral("&Synchronize directories...")), &QAction::triggered, &window_,
          &MainWindow::synchronize);
  connect(add("pmFileOperations", QStringLiteral("&File operations...")), &QAction::triggered, &window_,
          &MainWindow::fileOperations);
  menu_->addSeparator();
  connect(add("pmSearch", QStringLiteral("&Search...")), &QAction::triggered, &window_, &MainWindow::search);
  grid_->installEventFilter(this);
}

QAction* GridPopup::action(const char* name) const { return menu_->findChild<QAction*>(QString::fromLatin1(name)); }

void GridPopup::apply(const MenuState& m) {
  const std::pair<const char*, bool> states[] = {
      {"pmInformations", m.popupInformations}, {"pmOpenFile", m.popupOpenFile},
      {"pmUserTool", m.popupUserTool},         {"pmCopy", m.popupCopy},
      {"pmRemove", m.removeFromList},          {"pmSynchronize", m.popupSynchronize},
      {"pmFileOperations", m.popupFileOperations}, {"pmSearch", m.popupSearch},
  };
  for (const auto& [name, on] : states) action(name)->setEnabled(on);
}

void GridPopup::popupOnRow(int row, const QPoint& globalPos) {
  if (row < 0 || row >= grid_->rowCount()) return;
  openedAt_ = globalPos;
  menu_->popup(globalPos);
}

void GridPopup::popupAtCurrentCell() {
  if (grid_->rowCount() == 0) return;
  window_.pointAtCurrentCell();
  const QRect cell = grid_->cellRect(grid_->currentRow(), grid_->currentColumn());
  popupOnRow(grid_->currentRow(), grid_->viewport()->mapToGlobal(cell.center()));
}

bool GridPopup::eventFilter(QObject* watched, QEvent* event) {
  if (watched != grid_) return false;
  if (event->type() == QEvent::KeyPress) {
    const auto* key = static_cast<QKeyEvent*>(event);
    const bool menuKey = key->key() == Qt::Key_Menu && key->modifiers() == Qt::NoModifier;
    if (!menuKey && (key->key() != Qt::Key_F10 || key->modifiers() != Qt::ShiftModifier)) return false;
    popupAtCurrentCell();
    return true;
  }
  if (event->type() == QEvent::ContextMenu) {
    // A right click opened the popup at its mouse-down already.
    if (static_cast<QContextMenuEvent*>(event)->reason() != QContextMenuEvent::Mouse) popupAtCurrentCell();
    return true;
  }
  return false;
}

}  // namespace quorvane::ui
