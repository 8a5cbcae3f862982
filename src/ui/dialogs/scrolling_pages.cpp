#include "ui/dialogs/scrolling_pages.h"

#include <QApplication>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QStyle>
#include <QTabWidget>

namespace quorvane::ui {
namespace {

// Room the window manager's title bar and borders take around a window.
constexpr int kFrameAllowance = 40;

// A scroll area whose size hint is its page's, so that the window is as large as the
// pages on a screen with room, and only scrolls on a lower one.
class PageScrollArea : public QScrollArea {
 public:
  using QScrollArea::QScrollArea;
  QSize sizeHint() const override {
    if (!widget()) return QScrollArea::sizeHint();
    const QSize page = widget()->sizeHint();
    return {page.width() + verticalScrollBar()->sizeHint().width(), page.height()};
  }
};

}  // namespace

void MakePagesScroll(QTabWidget* tabs) {
  const int current = tabs->currentIndex();
  for (int i = 0; i < tabs->count(); ++i) {
    QWidget* page = tabs->widget(i);
    const QString text = tabs->tabText(i);
    tabs->removeTab(i);
    auto* area = new PageScrollArea;
    area->setObjectName(page->objectName().isEmpty() ? QStringLiteral("pageScroll%1").arg(i)
                                                     : page->objectName() + QStringLiteral("Scroll"));
    area->setFrameShape(QFrame::NoFrame);
    area->setWidgetResizable(true);
    area->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    area->setWidget(page);
    tabs->insertTab(i, area, text);
  }
  if (current >= 0) tabs->setCurrentIndex(current);
  // Every tab stays in view: the window is as wide as the whole tab bar.
  tabs->setUsesScrollButtons(false);
}

void FitToScreenHeight(QWidget* window) {
  QSize size = window->sizeHint();
  const QScreen* screen = window->screen() ? window->screen() : QGuiApplication::primaryScreen();
  if (screen) size.setHeight(std::min(size.height(), screen->availableGeometry().height() - kFrameAllowance));
  window->resize(size);
}

}  // namespace quorvane::ui
