#include "ui/main_window/idle_hint_panel.h"

#include <QTimer>

namespace quorvane::ui {

IdleHintPanel::IdleHintPanel(QWidget* parent, std::function<view::HintAnchors()> anchors,
                             std::function<bool()> resultsShown)
    : QLabel(parent), timer_(new QTimer(this)), anchors_(std::move(anchors)), resultsShown_(std::move(resultsShown)) {
  setObjectName(QStringLiteral("pnHint"));
  setFrameShape(QFrame::Box);
  setStyleSheet(QStringLiteral("background: #FFFFE1; color: #000000; padding: 3px;"));
  hide();
  timer_->setObjectName(QStringLiteral("Timer1"));
  timer_->setInterval(view::kIdleHintTickMs);
  connect(timer_, &QTimer::timeout, this, &IdleHintPanel::tick);
}

void IdleHintPanel::start() { timer_->start(); }

void IdleHintPanel::stop() {
  timer_->stop();
  hide();
}

void IdleHintPanel::tick() {
  switch (hints_.tick(resultsShown_())) {
    case view::IdleHints::Step::Stop: stop(); return;
    case view::IdleHints::Step::Wait: return;
    case view::IdleHints::Step::Show: break;
  }
  setText(QString::fromLatin1(hints_.text()));
  adjustSize();
  const view::PanelRect place = view::HintPlace(hints_.index(), width(), height(), anchors_());
  move(place.x, place.y);
  show();
  raise();
}

}  // namespace quorvane::ui
