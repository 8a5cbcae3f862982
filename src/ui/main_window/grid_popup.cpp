#include "ui/main_window/grid_popup.h"

#include <QMenu>

#include "ui/main_window/main_window.h"

namespace quorvane::ui {

GridPopup::GridPopup(MainWindow& window) : QObject(&window), window_(window), menu_(new QMenu(&window)) {
  menu_->setObjectName(QStringLiteral("PopupMenu1"));
  const auto add = [this](const char* name, const QString& caption, const QKeySequence& shortcut = {}) {
    QAction* a = menu_->addAction(caption);
    a->setObjectName(QString::fromLatin1(name));
    if (!shortcut.isEmpty()) a->setShortcut(shortcut);
    return a;
  };
  add("pmInformations", QStringLiteral("&Informations..."));
  add("pmOpenFile", QStringLiteral("&Open file..."), QKeySequence(Qt::CTRL | Qt::Key_O));
  add("pmUserTool", QStringLiteral("&User tool..."), QKeySequence(Qt::CTRL | Qt::Key_U));
  menu_->addSeparator();
  QAction* copy = add("pmCopy", QStringLiteral("&Copy to Clipboard"), QKeySequence(Qt::CTRL | Qt::Key_C));
  connect(copy, &QAction::triggered, &window_, &MainWindow::copySelection);
  QAction* remove = add("pmRemove", QStringLiteral("Remove from list"), QKeySequence(Qt::CTRL | Qt::Key_Delete));
  connect(remove, &QAction::triggered, &window_, &MainWindow::removeSelection);
  // No other entry has Ctrl+Del: the key removes the selected rows with the popup closed too.
  remove->setShortcutContext(Qt::WindowShortcut);
  window_.addAction(remove);
  menu_->addSeparator();
  add("pmSynchronize", QStringLiteral("&Synchronize directories..."));
  add("pmFileOperations", QStringLiteral("&File operations..."));
  menu_->addSeparator();
  add("pmSearch", QStringLiteral("&Search..."));
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

void GridPopup::popup(const QPoint& globalPos) {
  openedAt_ = globalPos;
  menu_->popup(globalPos);
}

}  // namespace quorvane::ui
