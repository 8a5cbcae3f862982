#pragma once
// The start-up splash ("Welcome"): the program picture, the version, what the program is
// for and a status line. Once shown, it closes itself after 2500 ms; it never blocks.
#include <QTimer>
#include <QWidget>
#include <string_view>

class QLabel;

namespace quorvane::ui {

class SplashWindow : public QWidget {
  Q_OBJECT
 public:
  static constexpr int kShowMs = 2500;

  explicit SplashWindow(QWidget* parent = nullptr);

  void setStatus(std::string_view text);
  QString status() const;
  static QString VersionText();  // "Version 1.6  (32 bit)"
  const QTimer& timer() const { return timer_; }

 protected:
  void showEvent(QShowEvent* event) override;

 private:
  QLabel* status_;
  QTimer timer_;
};

}  // namespace quorvane::ui
