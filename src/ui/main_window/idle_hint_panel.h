#pragma once
// pnHint and Timer1: the idle hints of the main window. Once started, every fourth tick
// shows the next hint at its place (view::IdleHints); the hints stop when results show or
// when stopped.
#include <QLabel>
#include <functional>

#include "view/idle_hints.h"

class QTimer;

namespace quorvane::ui {

class IdleHintPanel : public QLabel {
  Q_OBJECT

 public:
  // anchors: the window's size and the buttons' places, in the parent's coordinates;
  // resultsShown: whether the grid is visible.
  IdleHintPanel(QWidget* parent, std::function<view::HintAnchors()> anchors, std::function<bool()> resultsShown);

  void start();
  void stop();
  QTimer* timer() const { return timer_; }

 private:
  void tick();

  QTimer* timer_;
  view::IdleHints hints_;
  std::function<view::HintAnchors()> anchors_;
  std::function<bool()> resultsShown_;
};

}  // namespace quorvane::ui
