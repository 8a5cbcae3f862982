#pragma once
// Answers a modal window from the tests: once a modal widget of type W is up (polled
// every 10 ms for at most 5 s), act runs on it.
#include <QApplication>
#include <QTimer>
#include <QWidget>
#include <functional>

namespace quorvane::test {

template <class W>
void WhenModal(std::function<void(W*)> act) {
  auto* timer = new QTimer(qApp);
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act, tries = 0]() mutable {
    if (auto* w = qobject_cast<W*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(w);
    } else if (++tries > 500) {
      timer->stop();
      timer->deleteLater();
    }
  });
  timer->start();
}

}  // namespace quorvane::test
