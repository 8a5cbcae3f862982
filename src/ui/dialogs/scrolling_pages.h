#pragma once
// Tab pages that fit a low screen: each page sits in a scroll area that scrolls only when
// the window is lower than the page, and the window is kept within the screen's height.
class QTabWidget;
class QWidget;

namespace quorvane::ui {

// Puts every page of tabs in a frameless scroll area (captions and order unchanged), and
// keeps every tab of the bar in view.
void MakePagesScroll(QTabWidget* tabs);

// Sizes the window to its size hint, but no higher than the screen's free height (the
// window manager's frame included).
void FitToScreenHeight(QWidget* window);

}  // namespace quorvane::ui
